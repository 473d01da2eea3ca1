#pragma once

#include "FixedDialog.h"

class QLabel;

// The program's name, version, date and description, and where the bundled
// pictures come from. All texts are fixed.
class frmAbout final : public FixedDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);

private:
    void Form_Load();
    void btnOK_Click();

    QLabel* lblAppName_ = nullptr;
    QLabel* lblAppVersion_ = nullptr;
    QLabel* lblAppDate_ = nullptr;
    QLabel* lblAppDescription_ = nullptr;
};
