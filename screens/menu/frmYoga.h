#pragma once

#include "Screen.h"

namespace vireka {

class DocumentArea;

// The main menu: the start-up screen with the links to every section.
class frmYoga : public Screen {
    Q_OBJECT
public:
    frmYoga();

    DocumentArea *rtfYoga() const;

protected:
    void Form_Load() override;
    void connectHandlers() override;

private:
    static const Handler<frmYoga> handlers[];

    void lblInstructions_Click();
    void lblTraditions_Click();
    void lblArticles_Click();
    void lblDirectory_Click();
    void lblAsanas_Click();
    void lblTesmara_Click();
    void lblHalvena_Click();
    void lblUpgrades_Click();
    void lblAbout_Click();
    void lblExit_Click();
};

} // namespace vireka
