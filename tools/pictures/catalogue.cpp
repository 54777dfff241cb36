#include "catalogue.h"

#include "companion.h"
#include "imageio.h"
#include "scenes.h"

#include <QBuffer>
#include <type_traits>
#include <QImageReader>
#include <QPainter>

namespace pictures {

namespace {

// Looks for the people in the photographs; each supplier's photographs share
// a look so that a page and the photographs credited to it belong together.
Look publisherLook()
{
    Look l;
    l.skin = QColor(222, 180, 148);
    l.hair = QColor(40, 32, 26);
    l.top = QColor(55, 55, 60);
    l.bottom = QColor(55, 55, 60);
    l.legCover = 1;
    l.bareChest = true;
    return l;
}

Look womanLook(QColor leotard, QColor hair = QColor(70, 40, 25), Hair style = Hair::Bun)
{
    Look l;
    l.female = true;
    l.skin = QColor(232, 190, 160);
    l.hair = hair;
    l.hairStyle = style;
    l.top = leotard;
    l.bottom = leotard.darker(115);
    l.legCover = 3;
    return l;
}

Look manLook(QColor shirt, QColor shorts, QColor skin = QColor(214, 166, 128))
{
    Look l;
    l.skin = skin;
    l.top = shirt;
    l.bottom = shorts;
    l.legCover = 1;
    return l;
}

Setting studio(QColor wall = QColor(222, 214, 198), QColor mat = QColor(70, 110, 150))
{
    Setting s;
    s.wall = wall;
    s.mat = mat;
    return s;
}

Setting plainStudio()
{
    // The publisher's own black-and-white photographs: a pale backdrop and floor.
    // A mid-grey backdrop lets the figure stand out in black and white.
    Setting s;
    s.wall = QColor(150, 150, 146);
    s.floor = QColor(118, 110, 102);
    s.mat = QColor(70, 70, 76);
    s.horizon = 0.58;
    return s;
}

struct Posed {
    QString pose;
    Look look;
    Setting setting;
    bool mirror = false;
};

Posed posed(const QString &pose, const Look &look, const Setting &setting, bool mirror = false)
{
    return Posed{pose, look, setting, mirror};
}

// Every picture built into a screen comes also at twice its size, in the same format, named as Qt
// names such variants ("Image1@2x.bmp"): the program shows it on high-density screens.
void addDenseVariants(QList<Entry> &list)
{
    const qsizetype count = list.size();
    for (qsizetype i = 0; i < count; ++i) {
        const Entry &base = list.at(i);
        if (!base.path.startsWith(QLatin1String("pictures/")) || base.format == Format::Icon)
            continue;
        Entry dense = base;
        const qsizetype dot = base.path.lastIndexOf(QLatin1Char('.'));
        dense.path = base.path.left(dot) + QStringLiteral("@2x") + base.path.mid(dot);
        dense.size = base.size * 2;
        if (base.drawDense)
            dense.draw = base.drawDense;
        dense.drawDense = {};
        list.append(dense);
    }
}

QList<Entry> build()
{
    QList<Entry> list;
    auto add = [&](const QString &path, Format f, int w, int h, const auto &what) {
        Entry e{path, f, QSize(w, h), {}, {}, {}, {}, false};
        if constexpr (std::is_same_v<std::decay_t<decltype(what)>, Posed>) {
            const Posed p = what;
            e.draw = [p](QSize size) { return posturePicture(size, p.pose, p.look, p.setting, p.mirror); };
            e.pose = p.pose;
            e.setting = p.setting;
            e.mirror = p.mirror;
        } else {
            e.draw = what;
        }
        list.append(e);
    };

    // Program icon and custom cursor.
    add("pictures/program.ico", Format::Icon, 32, 32, [](QSize s) { return programIcon(s.width()); });
    add("pictures/cursor.ico", Format::Icon, 32, 32, [](QSize s) { return cursorArrow(s.width()); });
    // The program's icon in the desktop's menus, at every size an icon theme holds.
    for (int pixels : {16, 24, 32, 48, 64, 128, 256})
        add(QStringLiteral("icons/program-%1.png").arg(pixels), Format::Png, pixels, pixels,
            [](QSize s) { return programEmblem(s.width()); });

    // Main menu: the plough, in black and white.
    {
        Setting s = plainStudio();
        s.floorAt = 0.86;
        s.fill = 0.8;
        add("pictures/frmYoga/Image1.bmp", Format::Bmp8Grey, 464, 263, posed("halasana", publisherLook(), s));
    }
    add("pictures/frmYogaInstructions/Image1.jpg", Format::Jpeg, 144, 94, [](QSize s) { return miniatureMeditation(s); });
    list.last().drawDense = [](QSize s) { return miniatureMeditation(s / 2, 2); };

    // The 24 photographs of the asana browser. The publisher's own are black
    // and white; the others come from the teachers and schools of the listings.
    const Look zovazirMan = manLook(QColor(230, 230, 225), QColor(40, 60, 110));
    const Look zovazirWoman = womanLook(QColor(20, 120, 130));
    const Look centreLook = womanLook(QColor(150, 40, 60), QColor(30, 25, 20), Hair::Long);
    Look instituteLook = manLook(QColor(240, 240, 240), QColor(240, 240, 240), QColor(170, 120, 85));
    instituteLook.legCover = 2;
    Look kundaliniLook = womanLook(QColor(245, 245, 240), QColor(40, 30, 25), Hair::Turban);
    kundaliniLook.hair = QColor(245, 245, 240);
    Look sirsasanaLook = manLook(QColor(200, 60, 40), QColor(30, 50, 90));
    sirsasanaLook.bareChest = true;
    Look dogLook = womanLook(QColor(90, 60, 140), QColor(120, 70, 30), Hair::Bun);
    Setting warm = studio(QColor(232, 220, 196), QColor(40, 120, 110));
    Setting hall = studio(QColor(236, 232, 222), QColor(150, 60, 60));
    hall.kind = Setting::Hall;
    Setting olive = studio(QColor(205, 205, 160), QColor(60, 90, 60));
    Setting garden;
    garden.kind = Setting::Garden;
    garden.hasMat = true;
    garden.mat = QColor(170, 60, 50);
    garden.horizon = 0.55;
    Setting beach;
    beach.kind = Setting::Beach;
    beach.hasMat = false;
    beach.horizon = 0.6;
    const Setting grey = plainStudio();

    add("photos/Bakasana.jpg", Format::Jpeg, 360, 270, posed("bakasana", zovazirWoman, warm));
    add("photos/Bipjanu.jpg", Format::Jpeg, 420, 220, posed("janusirsasana", zovazirMan, warm));
    add("photos/Biuttan.jpg", Format::Jpeg, 270, 360, posed("uttanasana", zovazirMan, warm));
    add("photos/Dhanurasana.jpg", Format::Jpeg, 360, 260, posed("dhanurasana", centreLook, hall));
    add("photos/Halasana.bmp", Format::Bmp8Grey, 400, 260, posed("halasana", publisherLook(), grey));
    add("photos/Halasana2.jpg", Format::Jpeg, 380, 250, posed("halasana2", instituteLook, olive));
    add("photos/Karnapid.bmp", Format::Bmp8Grey, 380, 260, posed("karnapidasana", publisherLook(), grey));
    add("photos/Marichyasana.jpg", Format::Jpeg, 300, 340, posed("marichyasana", centreLook, hall));
    add("photos/MukhaSvanasana.bmp", Format::Bmp24, 400, 260, posed("downwarddog", dogLook, studio()));
    add("photos/Natarajasana.jpg", Format::Jpeg, 300, 400, posed("natarajasana", zovazirWoman, warm));
    add("photos/Nauli.bmp", Format::Bmp8Grey, 280, 380, posed("nauli", publisherLook(), grey));
    add("photos/Padmasana.bmp", Format::Bmp8Grey, 320, 340, posed("padmasana", publisherLook(), grey));
    add("photos/Padmasir.bmp", Format::Bmp8Grey, 280, 400, posed("padmasirsasana", publisherLook(), grey));
    add("photos/Pashimot.bmp", Format::Bmp8Grey, 420, 240, posed("paschimottanasana", publisherLook(), grey));
    add("photos/Rajakapotasana.jpg", Format::Jpeg, 360, 330, posed("rajakapotasana", zovazirMan, warm));
    add("photos/Rajakapotasana2.jpg", Format::Jpeg, 330, 300, posed("pigeonlift", centreLook, garden, true));
    add("photos/Sarvangasana.jpg", Format::Jpeg, 280, 400, posed("sarvangasana", instituteLook, olive));
    add("photos/Siddhasana.bmp", Format::Bmp8Grey, 320, 340, posed("siddhasana", publisherLook(), grey));
    add("photos/KundaliniPose.jpg", Format::Jpeg, 300, 360, posed("lowlunge", kundaliniLook, studio(QColor(240, 226, 200))));
    add("photos/Sirsasana.jpg", Format::Jpeg, 260, 400, posed("sirsasana", sirsasanaLook, beach));
    add("photos/Tadasana.jpg", Format::Jpeg, 240, 400, posed("tadasana", centreLook, garden));
    add("photos/Trikona.jpg", Format::Jpeg, 400, 300, posed("trikona", instituteLook, olive));
    add("photos/Dandasana.jpg", Format::Jpeg, 300, 380, posed("urdhvadandasana", instituteLook, olive));
    add("photos/Vamadevasana.jpg", Format::Jpeg, 320, 360, posed("vamadevasana", zovazirWoman, warm));

    // Photographs on the asana photo pages.
    Look kundaliniGrey = kundaliniLook;
    add("pictures/frmKundaliniPose/Image3.bmp", Format::Bmp8Grey, 219, 289, posed("lowlunge", kundaliniGrey, grey, true));
    add("pictures/frmSirsasana/Image1.bmp", Format::Bmp24, 274, 418, jettyHeadstand);
    add("pictures/frmZovazir1/Image8.bmp", Format::Bmp8Colour, 296, 381, posed("uttanasana", zovazirMan, warm, true));
    add("pictures/frmZovazir1/Image6.bmp", Format::Bmp8Colour, 448, 409, posed("rajakapotasana", zovazirWoman, warm));
    add("pictures/frmZovazir1/Image7.bmp", Format::Bmp8Colour, 497, 182, posed("janusirsasana", zovazirWoman, warm));
    add("pictures/frmZovazir2/Image13.bmp", Format::Bmp8Colour, 454, 328, posed("bakasana", zovazirMan, warm));
    add("pictures/frmZovazir2/Image15.bmp", Format::Bmp8Colour, 248, 345, posed("vamadevasana", zovazirMan, warm, true));
    add("pictures/frmZovazir2/Image14.bmp", Format::Bmp8Colour, 313, 396, posed("natarajasana", zovazirMan, warm, true));
    add("pictures/zavOdudo/Image9.bmp", Format::Bmp24, 157, 114, posed("dhanurasana", centreLook, hall));
    add("pictures/zavOdudo/Image10.bmp", Format::Bmp24, 108, 171, posed("marichyasana", centreLook, hall));
    add("pictures/zavOdudo/Image11.bmp", Format::Bmp24, 186, 315, posed("tree", centreLook, garden));
    add("pictures/zavOdudo/Image12.bmp", Format::Bmp24, 157, 111, posed("pigeonlift", centreLook, hall));

    // Featured centre pages.
    add("pictures/frmCentre1/Picture1.bmp", Format::Bmp24, 278, 172, posed("downwarddog", dogLook, hall));
    add("pictures/frmCentre2/Image1.jpg", Format::Jpeg, 165, 237, posed("trikona", instituteLook, olive));
    add("pictures/frmCentre2/Image2.jpg", Format::Jpeg, 180, 92, posed("halasana", instituteLook, olive));
    add("pictures/frmCentre2/Image3.jpg", Format::Jpeg, 147, 195, posed("urdhvadandasana", instituteLook, olive, true));
    add("pictures/frmCentre2/Image4.jpg", Format::Jpeg, 101, 216, posed("sarvangasana", instituteLook, olive));

    // Portraits and the cartoon of the featured centre pages.
    {
        PortraitSpec teacher;
        teacher.look = womanLook(QColor(40, 90, 170), QColor(40, 25, 20), Hair::Long);
        teacher.background = QColor(200, 170, 130);
        add("pictures/frmCentre3/Image1.jpg", Format::Jpeg, 243, 305, [=](QSize s) { return portrait(s, teacher); });
        PortraitSpec president;
        president.look = manLook(QColor(60, 60, 70), QColor(40, 40, 50), QColor(225, 185, 155));
        president.look.hair = QColor(150, 150, 150);
        president.glasses = true;
        president.age = 0.6;
        president.background = QColor(110, 130, 150);
        add("pictures/frmCentre4/Image1.jpg", Format::Jpeg, 122, 152, [=](QSize s) { return portrait(s, president); });
        Look seatedWoman = womanLook(QColor(245, 245, 240), QColor(30, 25, 25), Hair::Long);
        seatedWoman.sleeves = 2;
        seatedWoman.skin = QColor(190, 140, 105);
        add("pictures/frmCentre5/Image1.jpg", Format::Jpeg, 144, 164, [=](QSize s) {
            return seatedTeacher(s, seatedWoman, QColor(200, 120, 80), QColor(150, 100, 70), true);
        });
        add("pictures/frmCentre6/Image1.jpg", Format::Jpeg, 236, 267, businessmanTree);
        PortraitSpec centrePresident;
        centrePresident.look = manLook(QColor(240, 240, 232), QColor(240, 240, 232), QColor(170, 115, 80));
        centrePresident.look.hairStyle = Hair::Bald;
        centrePresident.look.hair = QColor(85, 80, 76);
        centrePresident.look.beard = true;
        centrePresident.age = 0.32;
        centrePresident.background = QColor(90, 120, 90);
        add("pictures/frmCentre7/Image1.jpg", Format::Jpeg, 266, 320, [=](QSize s) { return portrait(s, centrePresident); });
        Look monk = manLook(QColor(230, 120, 30), QColor(230, 120, 30), QColor(175, 120, 85));
        monk.sleeves = 1;
        monk.legCover = 3;
        monk.hairStyle = Hair::Bald;
        monk.hair = QColor(40, 35, 30);
        add("pictures/frmCentre8/Image1.jpg", Format::Jpeg, 247, 303, [=](QSize s) {
            return seatedTeacher(s, monk, QColor(235, 225, 200), QColor(170, 130, 90), true);
        });
        PortraitSpec sage;
        sage.look = manLook(QColor(220, 110, 30), QColor(220, 110, 30), QColor(160, 110, 75));
        sage.look.hair = QColor(235, 235, 230);
        sage.look.hairStyle = Hair::Long;
        sage.look.beard = true;
        sage.age = 1.0;
        sage.smile = false;
        sage.garland = true;
        sage.background = QColor(160, 120, 60);
        add("pictures/frmCentre9/Image1.jpg", Format::Jpeg, 160, 229, [=](QSize s) { return portrait(s, sage); });
    }

    // Scenes of the study and directory screens, the book and the logo.
    add("pictures/frmArticles/Image1.jpg", Format::Jpeg, 258, 143, riversideRitual);
    add("pictures/frmTesmara/Image1.bmp", Format::Bmp24, 295, 214, bookCover);
    add("pictures/frmDirectory/Image1.jpg", Format::Jpeg, 205, 307, [](QSize s) { return devotionalPainting(s); });
    list.last().drawDense = [](QSize s) { return devotionalPainting(s / 2, 2); };
    add("pictures/frmCountry/Image1.jpg", Format::Jpeg, 346, 230, lakeMountains);
    add("pictures/frmTradition/Image1.jpg", Format::Jpeg, 438, 282, [](QSize s) { return templeHills(s, 0); });
    add("pictures/frmTradition/Image2.jpg", Format::Jpeg, 282, 168, [](QSize s) { return templeHills(s, 1); });
    add("pictures/frmAbout/imgLogo.bmp", Format::Bmp24, 280, 299, publisherLogo);

    // The companion program's screenshots.
    add("pictures/frmHalvena/Image1.jpg", Format::Jpeg, 191, 143, [](QSize s) {
        return companionMainWindow(QSize(637, 477)).scaled(s, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    });
    add("pictures/frmHalvenaScreen/Picture1.jpg", Format::Jpeg, 637, 477, [](QSize s) { return companionMainWindow(s); });
    list.last().drawDense = [](QSize s) { return companionMainWindow(s / 2, 2); };
    add("pictures/frmHerbsScreen/Picture1.jpg", Format::Jpeg, 629, 432, [](QSize s) { return companionHerbWindow(s); });
    list.last().drawDense = [](QSize s) { return companionHerbWindow(s / 2, 2); };
    addDenseVariants(list);
    return list;
}

} // namespace

const QList<Entry> &catalogue()
{
    static const QList<Entry> list = build();
    return list;
}

QByteArray render(const Entry &entry)
{
    switch (entry.format) {
    case Format::Icon:
        return encodeIco4({entry.draw(entry.size), entry.draw(entry.size / 2)});
    case Format::Bmp8Grey:
        return encodeBmp8(toGreyscale(entry.draw(entry.size)));
    case Format::Bmp8Colour:
        return encodeBmp8(toMedianCut(entry.draw(entry.size)));
    case Format::Bmp24:
        return encodeBmp24(entry.draw(entry.size));
    case Format::Jpeg:
        return encodeJpeg(entry.draw(entry.size));
    case Format::Png:
        return encodePng(entry.draw(entry.size));
    }
    return {};
}

QImage preview(const Entry &entry, const QByteArray &bytes)
{
    QImage image = QImage::fromData(bytes);
    if (entry.format == Format::Icon && !image.isNull()) {
        // Show the large image on a mid grey with the small one beside it.
        QImage both(56, 34, QImage::Format_RGB32);
        both.fill(QColor(150, 150, 170));
        QPainter p(&both);
        p.drawImage(1, 1, image);
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, "ico");
        reader.jumpToImage(1);
        p.drawImage(38, 1, reader.read());
        p.end();
        return both.scaled(both.size() * 3);
    }
    return image;
}

} // namespace pictures
