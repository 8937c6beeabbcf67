#include "statusline.h"

#include <QPainter>
#include <QResizeEvent>
#include <algorithm>

namespace {

constexpr int kGap = 12;
constexpr int kMaxLines = 2;

} // namespace

// A label that draws its text shortened to its width, keeping it whole.
class StatusLine::Part : public QLabel {
public:
    using QLabel::QLabel;

    int wholeWidth() const { return fontMetrics().horizontalAdvance(text()) + 2 * margin(); }
    QString shown() const
    {
        // Measured as wholeWidth() measures: elidedText() wants a few
        // pixels more than the text's advance.
        if (wholeWidth() <= width())
            return text();
        return fontMetrics().elidedText(text(), Qt::ElideRight, width() - 2 * margin());
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(contentsRect().adjusted(margin(), 0, -margin(), 0),
                         Qt::AlignLeft | Qt::AlignVCenter, shown());
    }
    void resizeEvent(QResizeEvent* event) override
    {
        QLabel::resizeEvent(event);
        setToolTip(shown() == text() ? QString() : text());
    }
    // A part's width is its text's in its own font, which reaches it after
    // the line's.
    void changeEvent(QEvent* event) override
    {
        QLabel::changeEvent(event);
        if (event->type() == QEvent::FontChange)
            if (auto* line = qobject_cast<StatusLine*>(parentWidget()))
                line->relayout(line->width());
    }
};

StatusLine::StatusLine(const std::vector<const char*>& names, QWidget* parent) : QWidget(parent)
{
    for (const char* name : names) {
        auto* part = new Part(this);
        part->setObjectName(QLatin1String(name));
        part->hide();
        parts_.push_back(part);
    }
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
}

void StatusLine::setPart(int part, const QString& text)
{
    Part* label = parts_.at(static_cast<size_t>(part));
    if (label->text() == text)
        return;
    label->setText(text);
    label->setVisible(!text.isEmpty());
    relayout(width());
}

void StatusLine::relayout(int width)
{
    const int lines = arrange(width);
    // Until it is shown its width is no width of its own: its height waits.
    if (isVisible() && lines != lines_) {
        lines_ = lines;
        updateGeometry();
    }
}

int StatusLine::lineHeight() const
{
    // As high as its labels would stand in a status bar of their own.
    int height = 0;
    for (const Part* part : parts_)
        height = std::max(height, part->sizeHint().height());
    return height;
}

QSize StatusLine::sizeHint() const
{
    int width = 0;
    for (const Part* part : parts_) {
        if (!part->text().isEmpty())
            width += part->wholeWidth() + kGap;
    }
    return {width, lines_ * lineHeight()};
}

QSize StatusLine::minimumSizeHint() const
{
    return {0, lines_ * lineHeight()};
}

void StatusLine::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    relayout(event->size().width());
}

void StatusLine::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    relayout(width());
}

int StatusLine::arrange(int width)
{
    std::vector<Part*> shown;
    for (Part* part : parts_) {
        if (!part->text().isEmpty())
            shown.push_back(part);
    }
    // Whole parts fill the first line in order; what does not fit goes on
    // the next, and the last line takes the rest.
    std::vector<std::vector<Part*>> lines(1);
    int used = 0;
    for (Part* part : shown) {
        const int needed = part->wholeWidth() + (lines.back().empty() ? 0 : kGap);
        if (!lines.back().empty() && used + needed > width &&
            static_cast<int>(lines.size()) < kMaxLines) {
            lines.emplace_back();
            used = 0;
        }
        used += part->wholeWidth() + (lines.back().size() > 0 ? kGap : 0);
        lines.back().push_back(part);
    }
    const int height = lineHeight();
    for (size_t line = 0; line < lines.size(); ++line) {
        // The more important a part, the sooner it has its whole width.
        std::vector<int> widths;
        int left = width - kGap * (static_cast<int>(lines[line].size()) - 1);
        for (Part* part : lines[line]) {
            widths.push_back(std::max(0, std::min(part->wholeWidth(), left)));
            left -= widths.back();
        }
        // The first part of the first line stands on the left, the rest on the right.
        int x = width;
        for (size_t i = lines[line].size(); i-- > 0;) {
            const bool onLeft = line == 0 && i == 0;
            const int partX = onLeft ? 0 : x - widths[i];
            lines[line][i]->setGeometry(partX, static_cast<int>(line) * height, widths[i], height);
            x = partX - kGap;
        }
    }
    return static_cast<int>(lines.size());
}
