#pragma once

#include <QLabel>
#include <QWidget>
#include <vector>

// The status bar's parts, most important first, laid out on as few lines as
// they fit on (two at most): the first part on the left, the others on the
// right, as a status bar reads. Each part shows whole while there is room;
// where two lines are not enough, the less important parts give way first
// and end in "…", with the whole part in their tip. A part keeps its whole
// text as its label's text.
class StatusLine : public QWidget {
    Q_OBJECT

public:
    // The parts' labels, named, most important first.
    StatusLine(const std::vector<const char*>& names, QWidget* parent = nullptr);

    void setPart(int part, const QString& text);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    class Part;
    // Places the parts for the width it has; the lines they take.
    int arrange(int width);
    void relayout(int width);
    int lineHeight() const;

    std::vector<Part*> parts_;
    int lines_ = 1;
};
