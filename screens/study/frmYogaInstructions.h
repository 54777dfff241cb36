#pragma once

#include "Screen.h"

namespace vireka {

class DocumentArea;

// The study section on practice: nine topics, each loading its document into one area.
class frmYogaInstructions : public Screen {
    Q_OBJECT
public:
    frmYogaInstructions();

    DocumentArea *rtfInstructions() const;

protected:
    void connectHandlers() override;

private:
    static const Handler<frmYogaInstructions> handlers[];

    void lblExit_Click();
};

} // namespace vireka
