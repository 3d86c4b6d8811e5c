// SPDX-License-Identifier: MIT
#include "panels/paneltexts.h"

namespace PanelText {

const char *const kBarrelLengths =
    "110mm - MP5K\n"
    "141mm - MP5PDW\n"
    "229mm - MP5A4/A5/SD5/SD6\n"
    "              AK B-Spetz\n"
    "247mm - P90/SIG552,G36C,P90\n"
    "              CAR15\n"
    "245mm - UZI\n"
    "285mm - MC51\n"
    "300mm - M1A1 Thompson,M733\n"
    "363mm - M15A4,M4 RIS, C15\n"
    "               M4A1 RIS,SR16,SIG551\n"
    "369mm - HK51\n"
    "455mm - AK47,AK47s,M14\n"
    "469mm - G3A3/A4,SG1\n"
    "472mm - FAMAS\n"
    "500mm - M14\n"
    "509mm - M16A1/A2/VN,AUG\n"
    "510mm - M15A4/A2 rifle,AUG\n"
    "              CA249\n"
    "534mm - SIG550\n"
    "650mm - PSG-1 (extended)\n"
    "Custom - custom length barrel\n";

const char *const kCylinderTypes =
    "23.60mm - non-bore up diameter\n"
    "Custom - for non-standard cylinders\n";

const char *const kBarrelMeasurement =
    "#1 - input the entire length of the \n"
    "        Inner Barrel (refer to the\n"
    "        Common Barrel Lengths)\n"
    "#2 - input the barrel inner diameter\n"
    "Note: If barrel length is not in the list,\n"
    "use \"Custom\" and input the length.\n";

const char *const kCylinderMeasurement =
    "#1 - Standard bore is about 23.6mm\n"
    "        for non-standard such as\n"
    "        Bore-Up cylinders, inner\n"
    "        cylinder diameter is required.\n"
    "#2 - measure cylinder length as\n"
    "        illustrated, use \"A\" for type\"0\"\n"
    "        and \"B\" for other types.\n"
    "Standard cylinder length = 73.00mm\n"
    "\n"
    "Note: Piston and Cylinder head will\n"
    "be automatically be compensated.\n";

const char *const kHowToUse =
    "Step 1: input Inner Barrel dimensions\n"
    "* Bore is the inner diameter of the\n"
    "   inner barrel measured in mm.\n"
    "   Value ranges from 5.98 - 6.12 mm.\n"
    "* Length is the length of the entire\n"
    "   inner barrel measured in mm. Enter\n"
    "   value of custom-length barrels.\n"
    "\n"
    "Step 2: input Cylinder dimensions\n"
    "* Bore (inner dia.) of a standard\n"
    "   cylinder is ~12.6mm, Bore-Up\n"
    "   cylinders have larger dia, measure\n"
    "   and enter value manually.\n"
    "* Length is the distance of the \n"
    "   piston's travel; this dictates the\n"
    "   amount of air produced. For\n"
    "   Type \"0\" cylinders, enter the\n"
    "   entire lenght of the cylinder which\n"
    "   is ~73mm. For Type 1 & 2 etc., \n"
    "   measure the cylinder from the\n"
    "   front up to the edge of the port\n"
    "   and input this value.\n"
    "\n"
    "Note: piston and cylinder heads\n"
    "have already been compensated.\n";

const char *const kAdditionalInformation =
    "Conversion Tool:\n"
    "* Use the conversion tool to convert\n"
    "   from inches to millimeter and vice\n"
    "   versa. This tool uses millimeters on\n"
    "   all measurements.\n"
    "\n"
    "Cylinder-to-Barrel Ratio:\n"
    "* This ratio is the volume of air in\n"
    "   the cylinder in relation to the air\n"
    "   volume of the inner barrel.\n"
    "   Based on documents, a ratio\n"
    "   between 1.5 ~ 3.0 is ideal. Ratios\n"
    "   outside this range may produce\n"
    "   poor FPS performance.\n"
    "* Inner barrel volume is computed\n"
    "   by the barrel's length and its inner\n"
    "   diameter.\n"
    "* The cylinder's volume is derived\n"
    "   in the same manner, but the length\n"
    "   varies depending on the location\n"
    "   of the \"port\". For type\"0\" (no port)\n"
    "   use the cylinder's entire length.\n"
    "* Check box for \"Sorbo\" pad - used \n"
    "   if a pad is installed, the pad's\n"
    "   thickness affect the over-all ratio.\n";

} // namespace PanelText
