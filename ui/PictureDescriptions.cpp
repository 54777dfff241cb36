#include "PictureDescriptions.h"

#include <string_view>

namespace vireka {

namespace {

struct Described {
    const char *path;
    const char *description;
};

constexpr Described descriptions[] = {
    {"frmYoga/Image1.bmp", "Black-and-white photograph of the plough posture"},
    {"frmYogaInstructions/Image1.jpg", "Miniature painting of a figure in meditation"},
    {"frmArticles/Image1.jpg", "Photograph of a ritual on a river bank"},
    {"frmTesmara/Image1.bmp", "The jacket of the book Tesmara"},
    {"frmDirectory/Image1.jpg", "Devotional painting"},
    {"frmCountry/Image1.jpg", "Photograph of a lake below mountains"},
    {"frmTradition/Image1.jpg", "Photograph of a temple in the hills"},
    {"frmTradition/Image2.jpg", "Photograph of a temple among hills"},
    {"frmKundaliniPose/Image3.bmp", "Black-and-white photograph of a low lunge"},
    {"frmSirsasana/Image1.bmp", "Photograph of a headstand on a jetty"},
    {"frmZovazir1/Image8.bmp", "Photograph of a standing forward bend"},
    {"frmZovazir1/Image6.bmp", "Photograph of the king pigeon posture"},
    {"frmZovazir1/Image7.bmp", "Photograph of the head-to-knee posture"},
    {"frmZovazir2/Image13.bmp", "Photograph of the crow posture"},
    {"frmZovazir2/Image15.bmp", "Photograph of Vamadevasana"},
    {"frmZovazir2/Image14.bmp", "Photograph of the dancer posture"},
    {"zavOdudo/Image9.bmp", "Photograph of the bow posture"},
    {"zavOdudo/Image10.bmp", "Photograph of Marichyasana"},
    {"zavOdudo/Image11.bmp", "Photograph of the tree posture in a garden"},
    {"zavOdudo/Image12.bmp", "Photograph of a pigeon posture"},
    {"frmCentre1/Picture1.bmp", "Photograph of the downward-facing dog"},
    {"frmCentre2/Image1.jpg", "Photograph of the triangle posture"},
    {"frmCentre2/Image2.jpg", "Photograph of the plough posture"},
    {"frmCentre2/Image3.jpg", "Photograph of Urdhva Dandasana"},
    {"frmCentre2/Image4.jpg", "Photograph of the shoulder stand"},
    {"frmCentre3/Image1.jpg", "Portrait of a teacher"},
    {"frmCentre4/Image1.jpg", "Portrait of a president"},
    {"frmCentre5/Image1.jpg", "Photograph of a teacher seated"},
    {"frmCentre6/Image1.jpg", "Cartoon of a businessman in the tree posture"},
    {"frmCentre7/Image1.jpg", "Portrait of a centre's president"},
    {"frmCentre8/Image1.jpg", "Photograph of a monk seated in meditation"},
    {"frmCentre9/Image1.jpg", "Portrait of a sage with a garland"},
    {"frmAbout/imgLogo.bmp", "The publisher's emblem"},
    {"frmHalvena/Image1.jpg", "Screenshot of the program Halvena"},
    {"frmHalvenaScreen/Picture1.jpg", "Screenshot of Halvena's main window"},
    {"frmHerbsScreen/Picture1.jpg", "Screenshot of Halvena's herb window"},
};

} // namespace

QString pictureDescription(const char *path)
{
    if (!path)
        return QStringLiteral("Empty picture");
    for (const Described &entry : descriptions)
        if (std::string_view(entry.path) == path)
            return QString::fromLatin1(entry.description);
    return QStringLiteral("Picture");
}

} // namespace vireka
