#pragma once

#include <QPixmap>
#include <QWidget>

// A picture stretched to the control's size. The board hands it a pixmap
// already decoded at that size, so painting copies pixels and never scales.
class ImageControl final : public QWidget {
    Q_OBJECT
public:
    explicit ImageControl(QWidget* parent = nullptr);

    void SetPicture(const QPixmap& picture);
    const QPixmap& Picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
};
