#include "AllScreens.h"

#include "ScreenSlots.h"
#include "directory/frmCountry.h"
#include "directory/frmDirectory.h"
#include "directory/frmSubmit.h"
#include "directory/frmTradition.h"
#include "galleries/frmPhotoAsanas.h"
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
    LinkTable links;
    if constexpr (requires { S::Links; })
        links = S::Links;
    return {S::Spec, [] { return static_cast<Screen *>(slot<S>()); },
            []() -> Screen & { return OpenScreen<S>(); }, &CloseScreen<S>, links};
}

} // namespace

std::span<const ScreenClass> allScreens()
{
    static const std::vector<ScreenClass> classes = {
        classOf<frmYoga>(),
        classOf<frmYogaInstructions>(),
        classOf<frmPhotoAsanas>(),
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
        if (std::string_view(screen.spec.name) == name)
            return &screen;
    return nullptr;
}

} // namespace vireka
