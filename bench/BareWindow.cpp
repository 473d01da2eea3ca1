#include "BareWindow.h"

#include "BoardGeometry.h"
#include "Twips.h"

#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QStatusBar>

namespace {

// The client area and status bar of Tilewise's window, in twips.
constexpr int kClientWidth = 6885;
constexpr int kClientHeight = 5865;
constexpr int kStatusBarHeight = 285;

void AddMenus(QMenuBar* bar) {
    QMenu* game = bar->addMenu(QStringLiteral("&Game"));
    game->addAction(QStringLiteral("&New"));
    game->addAction(QStringLiteral("&Reveal All"));
    game->addSeparator();
    game->addAction(QStringLiteral("&High Scores..."));
    game->addSeparator();
    game->addAction(QStringLiteral("E&xit"));
    QMenu* edit = bar->addMenu(QStringLiteral("&Edit"));
    edit->addAction(QStringLiteral("&Preferences..."));
    edit->addAction(QStringLiteral("&Font..."));
    bar->addMenu(QStringLiteral("&Help"))->addAction(QStringLiteral("&About Tilewise..."));
}

void AddStatusBar(QMainWindow* window, double dpi) {
    auto* bar = new QStatusBar(window);
    bar->setSizeGripEnabled(false);
    bar->setFixedHeight(Twips::ToPixels(kStatusBarHeight, dpi));
    for (const char* text : {"Matches:", "Uncovered Tiles:", ""}) {
        auto* label = new QLabel(QString::fromLatin1(text), bar);
        label->setMinimumWidth(Twips::ToPixels(1440, dpi));
        label->setFrameShape(QFrame::StyledPanel);
        label->setFrameShadow(QFrame::Sunken);
        bar->addWidget(label);
    }
    window->setStatusBar(bar);
}

} // namespace

BareWindow::BareWindow(int columns, QWidget* parent) : QMainWindow(parent) {
    auto* client = new QWidget(this);
    setCentralWidget(client);
    AddMenus(menuBar());
    AddStatusBar(this, Twips::LogicalDpi(this));

    const double dpi = Twips::LogicalDpi(this);
    const QSize clientSize(Twips::ToPixels(kClientWidth, dpi),
                           Twips::ToPixels(kClientHeight - kStatusBarHeight, dpi));
    client->resize(clientSize);
    resize(clientSize.width(), clientSize.height() + menuBar()->sizeHint().height() +
                                   Twips::ToPixels(kStatusBarHeight, dpi));
    layout()->activate();

    const BoardGeometry g =
        ComputeBoardGeometry(Twips::FromPixels(client->width(), dpi),
                             Twips::FromPixels(client->height(), dpi), columns, columns);
    const QSize tile(Twips::ToPixels(g.W, dpi), Twips::ToPixels(g.H, dpi));
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(g.F);
    for (int i = 0; i < columns * columns; ++i) {
        const QRect place(
            QPoint(Twips::ToPixels(kBoardMargin, dpi) + (i % columns) * tile.width(),
                   Twips::ToPixels(kBoardMargin, dpi) + (i / columns) * tile.height()),
            tile);
        QPixmap pixmap(tile);
        pixmap.fill(QColor::fromHsv((i * 37) % 360, 160, 200));
        auto* picture = new QLabel(client);
        picture->setPixmap(pixmap);
        picture->setGeometry(place);
        auto* button = new QPushButton(QString::number(i + 1), client);
        button->setFont(font);
        button->setToolTip(QStringLiteral("Uncovered 0 time before"));
        button->setGeometry(place);
    }
}
