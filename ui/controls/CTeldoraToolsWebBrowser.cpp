#include "ui/controls/CTeldoraToolsWebBrowser.h"

#include "ui/controls/CPreviewProfile.h"
#include "ui/controls/CPreviewSchemeHandler.h"
#include "ui/controls/PreviewScheme.h"
#include <QChildEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWebEnginePage>

CTeldoraToolsWebBrowser::CTeldoraToolsWebBrowser(QWidget* parent) : QWebEngineView(parent)
{
    setPage(new QWebEnginePage(CPreviewProfile::Profile(), this));
    setContextMenuPolicy(Qt::NoContextMenu);
}

void CTeldoraToolsWebBrowser::Navigate(const QString& path)
{
    CPreviewProfile::Handler()->AllowFile(path);
    setUrl(PreviewUrl(path));
}

// The page draws into a child widget made by the engine; it gets the same filter.
void CTeldoraToolsWebBrowser::childEvent(QChildEvent* event)
{
    QWebEngineView::childEvent(event);
    if (event->added() && event->child()->isWidgetType())
        event->child()->installEventFilter(this);
}

bool CTeldoraToolsWebBrowser::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride:
        if (static_cast<QKeyEvent*>(event)->modifiers() & Qt::AltModifier)
            return true;
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::RightButton)
            return true;
        break;
    case QEvent::ContextMenu:
        return true;
    default:
        break;
    }
    return QWebEngineView::eventFilter(watched, event);
}
