#include "PreferencesDialog.h"

#include "FrameAccessibility.h"
#include "GameState.h"
#include "NumberText.h"
#include "Preferences.h"
#include "TextRoom.h"
#include "Twips.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <array>

namespace {

struct Option {
    const char* name;
    int id; // the tiles per set, or the board's side
    int left;
    int top;
    int width;
    int height;
};

// Places inside the frames, in twips relative to the frame.
constexpr std::array<Option, 4> kMatches{{
    {"optMatch2", 2, 150, 300, 975, 195},
    {"optMatch3", 3, 150, 600, 975, 195},
    {"optMatch4", 4, 150, 840, 975, 255},
    {"optMatch5", 5, 150, 1110, 975, 255},
}};
constexpr std::array<Option, 7> kBoardSizes{{
    {"optBoardSize4x4", 4, 120, 240, 885, 285},
    {"optBoardSize5x5", 5, 120, 540, 855, 225},
    {"optBoardSize6x6", 6, 120, 780, 885, 285},
    {"optBoardSize7x7", 7, 120, 1080, 885, 285},
    {"optBoardSize8x8", 8, 1140, 240, 855, 285},
    {"optBoardSize9x9", 9, 1140, 525, 885, 255},
    {"optBoardSize10x10", 10, 1140, 780, 855, 255},
}};

QGroupBox* addFrame(QWidget* parent, const char* name, const QString& title, int left, int top,
                    int width, int height) {
    auto* frame = new QGroupBox(title, parent);
    frame->setObjectName(QLatin1String(name));
    Twips::place(frame, left, top, width, height);
    return frame;
}

QString matchCaption(int tilesPerSet) {
    //: An option of the Match frame: sets of this many tiles
    return PreferencesDialog::tr("%Ln Tiles", nullptr, tilesPerSet);
}

QString sizeCaption(int side) {
    //: An option of the Board Size frame: columns x rows
    return PreferencesDialog::tr("%1 x %2").arg(NumberText::local(side), NumberText::local(side));
}

// Adds the option buttons to the frame and the group, returning them in
// order for the tab chain.
template <std::size_t N>
std::array<QWidget*, N> addOptions(QGroupBox* frame, QButtonGroup* group,
                                   const std::array<Option, N>& options,
                                   QString (*caption)(int id)) {
    std::array<QWidget*, N> buttons{};
    for (std::size_t k = 0; k < N; ++k) {
        const Option& o = options.at(k);
        auto* button = new QRadioButton(caption(o.id), frame);
        button->setObjectName(QLatin1String(o.name));
        Twips::place(button, o.left, o.top, o.width, o.height);
        group->addButton(button, o.id);
        buttons.at(k) = button;
    }
    // The options keep clear of the frame's title and its border, whatever
    // the font makes of the title.
    const int top = (*std::min_element(buttons.begin(), buttons.end(), [](QWidget* a, QWidget* b) {
                        return a->y() < b->y();
                    }))->y();
    const int below = std::max(0, optionsTop(*frame) - top);
    for (QWidget* button : buttons) {
        button->move(button->x(), button->y() + below);
    }
    return buttons;
}

QComboBox* addCombo(QWidget* parent, const char* name, bool editable, int left, int top, int width,
                    int height) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QLatin1String(name));
    combo->setEditable(editable);
    combo->setInsertPolicy(QComboBox::NoInsert);
    Twips::place(combo, left, top, width, height);
    return combo;
}

// A screen reader names a focused drop-down list by its label and says no
// choice (Qt 6.4 offers it no selection to read); the choice is given to it
// as the list's description, read after the label: "Category: combo box.
// Animals". An editable box says its text already.
void tellChoice(QComboBox* box) {
    QObject::connect(box, &QComboBox::currentTextChanged, box,
                     [box](const QString& text) { box->setAccessibleDescription(text); });
}

} // namespace

PreferencesDialog::PreferencesDialog(GameState& game, QWidget* parent)
    : FixedDialog(parent), game_(game) {
    installFrameAccessibility();
    buildDesign();
    load();
    fitTexts();
}

void PreferencesDialog::buildDesign() {
    setObjectName(QStringLiteral("frmPreferences"));
    setWindowTitle(tr("Preferences"));
    // The players row lies below this client area, out of sight but still
    // reached by Tab and by its access key.
    setClientSize(5160, 2145);

    QLabel* categoryLabel =
        //: The picture category of the next game
        addLabel(this, "Label3", tr("&Category:"), 120, 1800, 795, 255);
    QPushButton* okButton = addButton(this, "btnOK", tr("OK"), 3780, 150, 1215, 375);
    QPushButton* cancelButton = addButton(this, "cmdCancel", tr("Cancel"), 3780, 600, 1215, 375);
    QGroupBox* sizeFrame = addFrame(this, "Frame1", tr("&Board Size"), 90, 60, 2175, 1515);
    //: The frame of the set sizes: how many tiles of one picture make a set
    QGroupBox* matchFrame = addFrame(this, "Frame2", tr("&Match"), 2400, 60, 1215, 1515);
    matches_ = new QButtonGroup(this);
    const auto matchButtons = addOptions(matchFrame, matches_, kMatches, &matchCaption);
    categoryBox_ = addCombo(this, "cmboCategory", false, 960, 1770, 2655, 315);
    boardSizes_ = new QButtonGroup(this);
    const auto sizeButtons = addOptions(sizeFrame, boardSizes_, kBoardSizes, &sizeCaption);
    //: Sets every choice back to the game's first one
    QPushButton* defaultButton =
        addButton(this, "cmdDefault", tr("&Default"), 3780, 1740, 1215, 375);
    //: The number of players; the row lies below the dialog's visible area
    QLabel* playersLabel = addLabel(this, "Label1", tr("&Players:"), 120, 2220, 795, 195);
    playersBox_ = addCombo(this, "cmboPlayers", true, 960, 2160, 2655, 315);

    categoryLabel->setBuddy(categoryBox_);
    playersLabel->setBuddy(playersBox_);
    tellChoice(categoryBox_);

    QList<QWidget*> chain{okButton, cancelButton};
    chain.append(QList<QWidget*>(matchButtons.begin(), matchButtons.end()));
    chain.append(categoryBox_);
    chain.append(QList<QWidget*>(sizeButtons.begin(), sizeButtons.end()));
    chain.append({defaultButton, playersBox_});
    for (qsizetype k = 1; k < chain.size(); ++k) {
        setTabOrder(chain.at(k - 1), chain.at(k));
    }
    okButton->setFocus();

    connect(okButton, &QPushButton::clicked, this, &PreferencesDialog::acceptChoice);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(defaultButton, &QPushButton::clicked, this, &PreferencesDialog::chooseDefaults);
}

void PreferencesDialog::load() {
    const BoardConfig& next = game_.next();
    const int columns = next.columns;
    boardSizes_->button(columns >= 4 && columns <= 10 ? columns : 4)->setChecked(true);

    if (QAbstractButton* match = matches_->button(next.tilesPerSet)) {
        match->setChecked(true);
    }

    for (int index = 1; index <= BoardConfig::kMaxCategories; ++index) {
        const QString name = game_.category(index);
        if (name.isEmpty()) {
            break;
        }
        categoryBox_->addItem(name);
    }
    categoryBox_->setCurrentIndex(next.categoryIndex - 1);

    for (int players = 1; players <= 4; ++players) {
        playersBox_->addItem(NumberText::local(players));
    }
    playersBox_->setCurrentIndex(next.players - 1);
}

void PreferencesDialog::acceptChoice() {
    BoardConfig next = game_.next();
    if (const int size = boardSizes_->checkedId(); size != -1) {
        next.columns = static_cast<std::int16_t>(size);
    }
    next.rows = next.columns;
    if (const int tiles = matches_->checkedId(); tiles != -1) {
        next.tilesPerSet = static_cast<std::int16_t>(tiles);
    }
    // With no category listed there is nothing to choose; position 0 would
    // name no picture folder at all, so the category stays the first.
    next.categoryIndex = static_cast<std::int16_t>(
        categoryBox_->currentIndex() == -1 ? 1 : categoryBox_->currentIndex() + 1);
    next.players = static_cast<std::int16_t>(playersPosition() + 1);
    game_.setNext(next);
    accept();
}

void PreferencesDialog::chooseDefaults() {
    boardSizes_->button(Preferences::kDefaultColumns)->setChecked(true);
    matches_->button(Preferences::kDefaultTilesPerSet)->setChecked(true);
    categoryBox_->setCurrentIndex(Preferences::kDefaultCategory - 1);
    playersBox_->setCurrentIndex(0);
}

int PreferencesDialog::playersPosition() const {
    return playersBox_->findText(playersBox_->currentText(), Qt::MatchExactly);
}
