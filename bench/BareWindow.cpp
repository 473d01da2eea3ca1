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

void addMenus(QMenuBar* bar) {
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

void addStatusBar(QMainWindow* window, double dpi) {
    auto* bar = new QStatusBar(window);
    bar->setSizeGripEnabled(false);
    bar->setFixedHeight(Twips::toPixels(kStatusBarHeight, dpi));
    for (const char* text : {"Matches:", "Uncovered Tiles:", ""}) {
        auto* label = new QLabel(QString::fromLatin1(text), bar);
        label->setMinimumWidth(Twips::toPixels(1440, dpi));
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
    addMenus(menuBar());
    addStatusBar(this, Twips::logicalDpi(this));

    const double dpi = Twips::logicalDpi(this);
    const QSize clientSize(Twips::toPixels(kClientWidth, dpi),
                           Twips::toPixels(kClientHeight - kStatusBarHeight, dpi));
    client->resize(clientSize);
    resize(clientSize.width(), clientSize.height() + menuBar()->sizeHint().height() +
                                   Twips::toPixels(kStatusBarHeight, dpi));
    layout()->activate();

    const BoardGeometry g =
        computeBoardGeometry(Twips::fromPixels(client->width(), dpi),
                             Twips::fromPixels(client->height(), dpi), columns, columns);
    const QSize tile(Twips::toPixels(g.w, dpi), Twips::toPixels(g.h, dpi));
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(g.f);
    for (int i = 0; i < columns * columns; ++i) {
        const QRect place(
            QPoint(Twips::toPixels(kBoardMargin, dpi) + (i % columns) * tile.width(),
                   Twips::toPixels(kBoardMargin, dpi) + (i / columns) * tile.height()),
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
