#include "TextRoom.h"

#include "Twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>

namespace {

QSizeF ratio(QSize needed, QSize room) {
    const auto over = [](int text, int space) { return space > 0 ? double(text) / space : 99.0; };
    return {over(needed.width(), room.width()), over(needed.height(), room.height())};
}

// The text's advance across; down, its lines' spacing, or the ink of a single
// line: a line's box reaches a pixel below its lowest glyph, which a status
// panel's frame may cover.
QSize needed(const QFontMetrics& metrics, int flags, const QString& text) {
    const QSize box = metrics.size(flags, text);
    return text.contains(QLatin1Char('\n'))
               ? box
               : QSize(box.width(), metrics.tightBoundingRect(text).height());
}

QRect frameRect(const QGroupBox& frame, QStyle::SubControl part) {
    QStyleOptionGroupBox option;
    option.initFrom(&frame);
    option.text = frame.title();
    option.textAlignment = frame.alignment();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    return frame.style()->subControlRect(QStyle::CC_GroupBox, &option, part, &frame);
}

} // namespace

QSizeF textShortfall(const QWidget& widget) {
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        if (label->text().isEmpty()) {
            return {};
        }
        if (label->wordWrap()) { // it takes more lines, not more width
            return {1.0, double(label->heightForWidth(label->width())) / label->height()};
        }
        // A label with a buddy shows its access key underlined, not as "&".
        const int flags = label->buddy() != nullptr ? Qt::TextShowMnemonic : 0;
        const int margin = label->margin();
        return ratio(needed(label->fontMetrics(), flags, label->text()),
                     label->contentsRect().adjusted(margin, margin, -margin, -margin).size());
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
        if (button->text().isEmpty()) {
            return {};
        }
        QStyleOptionButton option;
        option.initFrom(button);
        const bool radio = qobject_cast<const QRadioButton*>(button) != nullptr;
        const QRect room = button->style()->subElementRect(radio ? QStyle::SE_RadioButtonContents
                                                                 : QStyle::SE_PushButtonContents,
                                                           &option, button);
        return ratio(needed(button->fontMetrics(), Qt::TextShowMnemonic, button->text()),
                     room.size());
    }
    if (const auto* frame = qobject_cast<const QGroupBox*>(&widget)) {
        if (frame->title().isEmpty()) {
            return {};
        }
        const QRect title = frameRect(*frame, QStyle::SC_GroupBoxLabel);
        // The title needs as much room after it as it has before it.
        return ratio(QSize(title.right() + 1 + title.left(), title.height()), frame->size());
    }
    return {};
}

int optionsTop(const QGroupBox& frame) {
    return frameRect(frame, QStyle::SC_GroupBoxContents).top() +
           Twips::toPixels(60, Twips::logicalDpi(&frame));
}
