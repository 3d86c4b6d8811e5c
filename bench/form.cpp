// SPDX-License-Identifier: MIT
// The program as the harness measures it:
//   bench-form                 start as the program does, report the first frame, close at once
//   bench-form animate SECONDS CPU time per wall second while "Animate" runs, and cycle lengths
//   bench-form work COUNT      ComputeRatio and the converter on the real widgets, per second
#include "desktop/gpudriver.h"
#include "desktop/systemclose.h"
#include "probe.h"
#include "window/form1.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>

namespace {

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
    auto *check = form.findChild<QCheckBox *>(QStringLiteral("Check1"));
    check->setChecked(true);
    QElapsedTimer wall;
    wall.start();
    const long long cpuBefore = cpuNanoseconds();
    QTimer::singleShot(int(seconds * 1000), qApp, [&] {
        std::printf("cpu %.6f\n", double(cpuNanoseconds() - cpuBefore) / double(wall.nsecsElapsed()));
        check->setChecked(false); // the settings saved at the close keep the next starts still
        QCoreApplication::quit();
    });
    QApplication::exec();
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
    leaveTheGpuDriverUnloaded(); // as the program does: the reference loads the driver, so that its cost shows
    QApplication app(argc, argv);
    nameApplication();
    Form1 form;
    const QStringList args = QApplication::arguments();
    if (args.size() == 3 && args[1] == QLatin1String("animate"))
        return animate(form, args[2].toDouble());
    if (args.size() == 3 && args[1] == QLatin1String("work"))
        return work(form, args[2].toInt());
    closeWhenTheSystemAsks(&form);
    new FirstFrameProbe(&form);
    return QApplication::exec();
}
