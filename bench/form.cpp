// SPDX-License-Identifier: MIT
// The program as the harness measures it:
//   bench-form                 start as the program does, report when shown, close at once
//   bench-form animate SECONDS CPU time per wall second while "Animate" runs, and cycle lengths
//   bench-form work COUNT      ComputeRatio and the converter on the real widgets, per second
#include "app/form1.h"
#include "probe.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <sys/resource.h>

namespace {

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Times the piston's returns to its rest position: one each left-and-right cycle.
class CycleClock : public QObject
{
public:
    explicit CycleClock(QWidget *piston) : m_rest(piston->x()) { piston->installEventFilter(this); }
    QList<double> cycles; // milliseconds

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Move) {
            const int x = static_cast<QWidget *>(watched)->x();
            if (x == m_rest && m_previous < m_rest) {
                if (m_clock.isValid())
                    cycles.append(double(m_clock.nsecsElapsed()) / 1e6);
                m_clock.start();
            }
            m_previous = x;
        }
        return false;
    }

private:
    int m_rest;
    int m_previous = 0;
    QElapsedTimer m_clock;
};

int animate(Form1 &form, double seconds)
{
    form.show();
    CycleClock clock(form.findChild<QWidget *>(QStringLiteral("Image3")));
    form.findChild<QCheckBox *>(QStringLiteral("Check1"))->setChecked(true);
    QElapsedTimer wall;
    wall.start();
    const double cpuBefore = cpuSeconds();
    QTimer::singleShot(int(seconds * 1000), qApp, &QCoreApplication::quit);
    QApplication::exec();
    std::printf("cpu %.6f\n", (cpuSeconds() - cpuBefore) / (double(wall.nsecsElapsed()) / 1e9));
    for (double cycle : std::as_const(clock.cycles))
        std::printf("cycle %.3f\n", cycle);
    return 0;
}

int work(Form1 &form, int count)
{
    const std::pair<const char *, const char *> inputs[] = {
        {"Combo1", "6.03"}, {"Combo2", "363"}, {"Combo3", "Standard"}, {"Combo4", "Type '0'"}};
    for (const auto &[combo, text] : inputs)
        form.findChild<QComboBox *>(QLatin1String(combo))->setEditText(QString::fromLatin1(text));
    auto *compute = form.findChild<QPushButton *>(QStringLiteral("Command1"));
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < count; ++i)
        compute->click();
    std::printf("compute %.1f\n", count / (double(timer.nsecsElapsed()) / 1e9));

    form.findChild<QLineEdit *>(QStringLiteral("Text2"))->setText(QStringLiteral("363"));
    auto *convert = form.findChild<QPushButton *>(QStringLiteral("Command2"));
    timer.start();
    for (int i = 0; i < count; ++i)
        convert->click();
    std::printf("convert %.1f\n", count / (double(timer.nsecsElapsed()) / 1e9));
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("cylinder-ratio"));
    Form1 form;
    const QStringList args = QApplication::arguments();
    if (args.size() == 3 && args[1] == QLatin1String("animate"))
        return animate(form, args[2].toDouble());
    if (args.size() == 3 && args[1] == QLatin1String("work"))
        return work(form, args[2].toInt());
    showReportAndClose(&form);
    return QApplication::exec();
}
