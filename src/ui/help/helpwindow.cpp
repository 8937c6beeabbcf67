#include "helpwindow.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QVBoxLayout>

static void initHelpResource()
{
    // The help is compiled into this static library, which the linker would
    // otherwise leave out.
    Q_INIT_RESOURCE(help);
}

namespace {

const QString kUsersPartEnds = QStringLiteral("\n## Where the data lives");

QString usersPart()
{
    initHelpResource();
    QFile readme(QStringLiteral(":/help/README.md"));
    if (!readme.open(QIODevice::ReadOnly))
        return {};
    const QString text = QString::fromUtf8(readme.readAll());
    return text.left(text.indexOf(kUsersPartEnds));
}

} // namespace

QString HelpWindow::sectionFor(const QString& windowName)
{
    static const QHash<QString, QString> sections = {
        {QStringLiteral("comparePlans"), QStringLiteral("Compare plans")},
        {QStringLiteral("paymentPlan"), QStringLiteral("A payment plan")},
        {QStringLiteral("recordPayments"), QStringLiteral("Following your plan")},
        {QStringLiteral("progress"), QStringLiteral("Following your plan")},
        {QStringLiteral("frmDebtEntry"), QStringLiteral("Typing amounts")},
    };
    return sections.value(windowName, QStringLiteral("Varnholt"));
}

HelpWindow::HelpWindow(const QString& section, QWidget* parent)
    : QDialog(parent), text_(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("help"));
    setWindowTitle(QStringLiteral("Varnholt Help"));
    text_->setObjectName(QStringLiteral("helpText"));
    text_->setAccessibleName(QStringLiteral("Help"));
    text_->setSearchPaths({QStringLiteral(":/help")});
    text_->setOpenExternalLinks(true);
    text_->setMarkdown(usersPart());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addWidget(buttons);
    resize(760, 640);
    // The section's heading at the top of the view.
    for (QTextBlock block = text_->document()->begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() > 0 && block.text() == section) {
            QTextCursor at(block);
            text_->setTextCursor(at);
            break;
        }
    }
}

void HelpWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // The section's heading at the top, once the view has its size.
    text_->verticalScrollBar()->setValue(text_->verticalScrollBar()->value() +
                                         text_->cursorRect().top());
}

QString HelpWindow::shownSection() const
{
    return text_->textCursor().block().text();
}

bool HelpKey::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1 ||
        !watched->isWidgetType())
        return QObject::eventFilter(watched, event);
    QWidget* window = static_cast<QWidget*>(watched)->window();
    if (window->objectName() == QLatin1String("help"))
        return true;
    HelpWindow help(HelpWindow::sectionFor(window->objectName()), window);
    help.exec();
    return true;
}
