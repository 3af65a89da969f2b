#include "shell/LexamoHelp.h"

#include <QApplication>
#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QWidget>

namespace LexamoHelp {
namespace {

// Namespace and virtual folder of resources/help/lexamo.qhp.
constexpr char kContentsUrl[] = "qthelp://org.lexamo.hilfe/doc/index.html";

// Milliseconds allowed for the viewer to start and to end.
constexpr int kStartTimeout = 10000;
constexpr int kEndTimeout = 3000;

QString& ViewerOverride()
{
    static QString program;
    return program;
}

// The viewer this program started; parented to the application object so
// that it never outlives it.
QPointer<QProcess>& Viewer()
{
    static QPointer<QProcess> viewer;
    return viewer;
}

QString ViewerProgram()
{
    if (!ViewerOverride().isEmpty())
        return ViewerOverride();
    // Debian keeps Assistant in Qt's own binaries folder, not on the PATH.
    const QDir binaries(QLibraryInfo::path(QLibraryInfo::BinariesPath));
#if defined(Q_OS_MACOS)
    return binaries.filePath(QStringLiteral("Assistant.app/Contents/MacOS/Assistant"));
#else
    return binaries.filePath(QStringLiteral("assistant"));
#endif
}

// The executable's base name: its file name without a Windows ".exe".
QString ExecutableBaseName()
{
    QString name = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    if (name.endsWith(QStringLiteral(".exe"), Qt::CaseInsensitive))
        name.chop(4);
    return name;
}

QString CollectionFile()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(ExecutableBaseName() + QStringLiteral(".qhc"));
}

// Shows the wait cursor while the viewer starts.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

// An open menu or a mouse grab would otherwise keep the input while the
// viewer comes up.
void CancelTracking()
{
    while (QWidget* popup = QApplication::activePopupWidget()) {
        if (!popup->close())
            break;
    }
    if (QWidget* grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
}

void ReportLaunchFailure(QWidget* requester)
{
    QMessageBox box(QMessageBox::Warning, ExecutableBaseName(), QStringLiteral("Failed to launch help."),
                    QMessageBox::Ok, requester);
    box.exec();
}

// The running viewer, started if need be; nullptr when it cannot be started.
QProcess* RunningViewer()
{
    QPointer<QProcess>& viewer = Viewer();
    if (viewer && viewer->state() == QProcess::Running)
        return viewer;
    delete viewer;

    auto* process = new QProcess(QCoreApplication::instance());
    // The viewer's chatter on stdout is of no use; its errors still show.
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->start(ViewerProgram(), {QStringLiteral("-collectionFile"), CollectionFile(),
                                     QStringLiteral("-enableRemoteControl")});
    if (!process->waitForStarted(kStartTimeout)) {
        delete process;
        return nullptr;
    }
    viewer = process;
    return process;
}

// Sends remote-control commands to a viewer that runs (it is started if need
// be). False when it cannot be started.
//
// All commands of one request go on a single line, separated by ';'.
// Assistant takes one line from its input each time new input arrives, so
// further lines of the same write would wait there until the next request.
bool SendToViewer(QWidget* requester, const QStringList& commands)
{
    QProcess* viewer = nullptr;
    {
        WaitCursor wait;
        CancelTracking();
        viewer = RunningViewer();
    }
    if (!viewer) {
        ReportLaunchFailure(requester);
        return false;
    }
    viewer->write(commands.join(QLatin1Char(';')).toUtf8() + '\n');
    return true;
}

}  // namespace

QString ContextIdentifier(int templateId)
{
    return QStringLiteral("0x") + QString::number(0x20000 + templateId, 16);
}

void ShowHelp(QWidget* requester)
{
    SendToViewer(requester, {QStringLiteral("show contents"), QStringLiteral("expandToc 1"),
                             QStringLiteral("setSource ") + kContentsUrl, QStringLiteral("syncContents")});
}

void ShowContextHelp(QWidget* requester, int templateId)
{
    // The contents page first: an identifier the collection does not know
    // leaves the viewer there instead of on an unrelated earlier page.
    SendToViewer(requester, {QStringLiteral("setSource ") + kContentsUrl,
                             QStringLiteral("activateIdentifier ") + ContextIdentifier(templateId),
                             QStringLiteral("syncContents")});
}

void CloseHelp()
{
    QPointer<QProcess>& viewer = Viewer();
    if (!viewer)
        return;
    if (viewer->state() != QProcess::NotRunning) {
        viewer->terminate();
        if (!viewer->waitForFinished(kEndTimeout)) {
            viewer->kill();
            viewer->waitForFinished(kEndTimeout);
        }
    }
    delete viewer;
}

void SetViewerProgram(const QString& program)
{
    ViewerOverride() = program;
}

}  // namespace LexamoHelp
