#pragma once

#include <QPixmap>
#include <QPointer>
#include <QWidget>

// A picture stretched to the control's size. The board hands it a pixmap
// already made at the tile's size, so painting copies pixels and scales
// nothing. Neither the mouse nor Tab gives it the focus; the review keys do,
// and then it wears the board's focus frame.
class TilePicture final : public QWidget {
    Q_OBJECT
public:
    explicit TilePicture(QWidget* parent = nullptr);

    void setPicture(const QPixmap& picture);
    const QPixmap& picture() const { return picture_; }

    // The tile's button over the picture; while it shows, the picture has
    // no name for the screen reader, which is told whenever the button shows
    // or hides: it keeps the names it has read until then.
    void setCover(QWidget* cover);
    bool isCovered() const { return cover_ != nullptr && !cover_->isHidden(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPixmap picture_;
    QPointer<QWidget> cover_;
};
