#include "AllScreens.h"

#include "ScreenSlots.h"
#include "directory/frmCountry.h"
#include "directory/frmDirectory.h"
#include "directory/frmSubmit.h"
#include "directory/frmTradition.h"
#include "galleries/frmPhotoAsanas.h"
#include "galleries/frmCentre1.h"
#include "galleries/frmCentre2.h"
#include "galleries/frmCentre3.h"
#include "galleries/frmCentre4.h"
#include "galleries/frmCentre5.h"
#include "galleries/frmCentre6.h"
#include "galleries/frmCentre7.h"
#include "galleries/frmCentre8.h"
#include "galleries/frmCentre9.h"
#include "galleries/frmKundaliniPose.h"
#include "galleries/frmPhotoListings.h"
#include "galleries/frmSirsasana.h"
#include "galleries/frmZovazir1.h"
#include "galleries/frmZovazir2.h"
#include "galleries/zavOdudo.h"
#include "menu/frmYoga.h"
#include "publisher/frmAbout.h"
#include "publisher/frmDisclaimer.h"
#include "publisher/frmHalvena.h"
#include "publisher/frmHalvenaScreen.h"
#include "publisher/frmHerbsScreen.h"
#include "publisher/frmUpgrade.h"
#include "study/frmArticles.h"
#include "study/frmTesmara.h"
#include "study/frmYogaInstructions.h"

#include <vector>

namespace vireka {

namespace {

template <class S>
ScreenClass classOf()
{
    static const std::vector<DocumentLink> links = documentLinks(S::Spec.controls);
    return {screenName(S::staticMetaObject),
            S::Spec,
            [] { return static_cast<Screen *>(slot<S>()); },
            []() -> Screen & { return OpenScreen<S>(); },
            []() -> Screen & { return OpenScreen<S>(Front::Leave); },
            &CloseScreen<S>,
            {S::Spec.linkArea, S::Spec.linkRule, links}};
}

} // namespace

std::span<const ScreenClass> allScreens()
{
    static const std::vector<ScreenClass> classes = {
        classOf<frmYoga>(),
        classOf<frmYogaInstructions>(),
        classOf<frmPhotoAsanas>(),
        classOf<frmPhotoListings>(),
        classOf<frmKundaliniPose>(),
        classOf<frmSirsasana>(),
        classOf<frmZovazir1>(),
        classOf<frmZovazir2>(),
        classOf<zavOdudo>(),
        classOf<frmCentre1>(),
        classOf<frmCentre2>(),
        classOf<frmCentre3>(),
        classOf<frmCentre4>(),
        classOf<frmCentre5>(),
        classOf<frmCentre6>(),
        classOf<frmCentre7>(),
        classOf<frmCentre8>(),
        classOf<frmCentre9>(),
        classOf<frmArticles>(),
        classOf<frmTesmara>(),
        classOf<frmAbout>(),
        classOf<frmDisclaimer>(),
        classOf<frmUpgrade>(),
        classOf<frmHalvena>(),
        classOf<frmHalvenaScreen>(),
        classOf<frmHerbsScreen>(),
        classOf<frmDirectory>(),
        classOf<frmCountry>(),
        classOf<frmTradition>(),
        classOf<frmSubmit>(),
    };
    return classes;
}

const ScreenClass *screenClass(std::string_view name)
{
    for (const ScreenClass &screen : allScreens())
        if (std::string_view(screen.name) == name)
            return &screen;
    return nullptr;
}

} // namespace vireka
