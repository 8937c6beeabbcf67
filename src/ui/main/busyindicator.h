#pragma once

#include <QPushButton>

// The status button over the schedule that names the long operation under
// way. It is the program's one record of being busy: while it shows, the
// commands are disabled and the debt menu and Compare Plans are refused.
class BusyIndicator : public QPushButton {
    Q_OBJECT

public:
    // Busy for the life of the object: the caption shows and the pointer is
    // the hourglass; both go on every way out of the operation.
    class Session {
    public:
        Session(BusyIndicator& indicator, const QString& caption);
        ~Session();
        Session(const Session&) = delete;
        Session& operator=(const Session&) = delete;

    private:
        BusyIndicator& indicator_;
    };

    explicit BusyIndicator(QWidget* parent = nullptr);

    bool isBusy() const { return !isHidden(); }
    void setCaption(const QString& caption) { setText(caption); }

signals:
    void busyChanged(bool busy);
};
