#pragma once

#include <QPixmap>
#include <QPointer>
#include <QWidget>

// A picture stretched to the control's size. The board hands it a pixmap
// already made at the tile's size, so painting copies pixels and scales
// nothing.
class TilePicture final : public QWidget {
    Q_OBJECT
public:
    explicit TilePicture(QWidget* parent = nullptr);

    void setPicture(const QPixmap& picture);
    const QPixmap& picture() const { return picture_; }

    // The tile's button over the picture; while it shows, the picture is
    // hidden from the screen reader too.
    void setCover(const QWidget* cover) { cover_ = cover; }
    bool isCovered() const { return cover_ != nullptr && !cover_->isHidden(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
    QPointer<const QWidget> cover_;
};
