#pragma once

#include "Screen.h"

namespace vireka {

// The main menu: the start-up screen with the links to every section and the definitions.
class frmYoga : public Screen {
    Q_OBJECT
public:
    static const ScreenSpec Spec;
    frmYoga() : Screen(Spec) {}

private slots:
    void Form_Load();
    void lblInstructions_Click();
    void lblArticles_Click();
    void lblDirectory_Click();
    void lblAsanas_Click();
    void lblTesmara_Click();
    void lblHalvena_Click();
    void lblUpgrades_Click();
    void lblAbout_Click();
};

} // namespace vireka
