#pragma once

#include "FixedDialog.h"

class QLabel;

// The program's name, version, date and description, and where the bundled
// pictures come from. All texts are fixed.
class AboutDialog final : public FixedDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);

private:
    void load();

    QLabel* nameLabel_ = nullptr;
    QLabel* versionLabel_ = nullptr;
    QLabel* dateLabel_ = nullptr;
    QLabel* descriptionLabel_ = nullptr;
};
