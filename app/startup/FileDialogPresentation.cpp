#include "app/startup/FileDialogPresentation.h"

#include <QApplication>
#include <QDateTime>
#include <QEvent>
#include <QFontMetrics>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QListView>
#include <QLocale>
#include <QScreen>
#include <QSplitter>
#include <QStackedWidget>
#include <QStyle>
#include <QTreeView>

#include <algorithm>
#include <utility>

namespace Startup {

namespace {

// The file list's columns as the file-system model numbers them.
constexpr int sizeColumn = 1;
constexpr int dateColumn = 3;

// The units the sizes are labelled with (kB, кБ) are decimal.
constexpr qint64 kilobyte = 1000;

// Whole bytes take the number's grammatical form, which the locale's own unit lacks
// ("14 байты"); larger sizes take the decimal units of the locale's language ("кБ").
QString sizeText(qint64 bytes)
{
    if (bytes < kilobyte)
        return QCoreApplication::translate("FileDialogPresentation", "%n bytes", nullptr, static_cast<int>(bytes));
    return QLocale().formattedDataSize(bytes, 2, QLocale::DataSizeSIFormat);
}

// The file list with its sizes and dates written in the default locale.
class LocalizedFileColumns : public QIdentityProxyModel
{
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override
    {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (role != Qt::DisplayRole || !files)
            return QIdentityProxyModel::data(index, role);
        const QModelIndex source = mapToSource(index);
        // Folders have no size, as in the model.
        if (index.column() == sizeColumn && !files->isDir(source))
            return sizeText(files->size(source));
        if (index.column() == dateColumn)
            return QLocale().toString(files->lastModified(source), QLocale::ShortFormat);
        return QIdentityProxyModel::data(index, role);
    }
};

struct DialogParts
{
    QListView* places = nullptr;
    QSplitter* splitter = nullptr;
    QTreeView* details = nullptr;
    // Where the list or the detail view shows, whichever is chosen.
    QStackedWidget* views = nullptr;

    bool complete() const { return places && splitter && details && views; }
};

// Incomplete for a dialog of the platform, which has no widgets of Qt's.
DialogParts partsOf(const QFileDialog* dialog)
{
    return {dialog->findChild<QListView*>(QStringLiteral("sidebar")),
            dialog->findChild<QSplitter*>(QStringLiteral("splitter")),
            dialog->findChild<QTreeView*>(QStringLiteral("treeView")),
            dialog->findChild<QStackedWidget*>(QStringLiteral("stackedWidget"))};
}

void localizeColumns(QFileDialog* dialog, QTreeView* details)
{
    if (dynamic_cast<LocalizedFileColumns*>(dialog->proxyModel()))
        return;
    // A new model resets the columns: they keep the widths the dialog gave them.
    const QByteArray widths = details->header()->saveState();
    dialog->setProxyModel(new LocalizedFileColumns(dialog));
    details->header()->restoreState(widths);
}

// The size and date columns hold the widest of their texts whole, whatever widths
// the dialog kept from an earlier language.
void fitColumns(QTreeView* details)
{
    const QFontMetrics metrics(details->font());
    // The margins the item views draw text within, and the header's own.
    const QStyle* style = details->style();
    const int margins = 2 * (style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, details) + 1)
                        + 2 * style->pixelMetric(QStyle::PM_HeaderMargin, nullptr, details);
    // Below a gigabyte each unit reads up to "1000.00", the last megabytes the widest.
    const QString widestSize = sizeText(kilobyte * kilobyte * kilobyte - 1);
    const QString widestDate = QLocale().toString(QDateTime(QDate(2000, 12, 28), QTime(23, 59, 59)), QLocale::ShortFormat);
    QHeaderView* header = details->header();
    for (const auto& [column, text] : {std::pair{sizeColumn, widestSize}, {dateColumn, widestDate}})
        header->resizeSection(column, std::max(header->sectionSize(column), metrics.horizontalAdvance(text) + margins));
}

int widthFor(const QAbstractScrollArea* view, int content)
{
    return content + 2 * view->frameWidth();
}

// Widens the dialog by what its places and the columns of its detail view (which
// the user may switch to) lack, within the screen, and gives the places their room.
void fitWidth(QFileDialog* dialog, const DialogParts& parts)
{
    const int placesWidth = std::max(parts.places->width(), widthFor(parts.places, parts.places->sizeHintForColumn(0)));
    // Room for the vertical bar too, which comes with a long folder.
    const int barWidth = parts.details->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, parts.details);
    const int lacking = placesWidth - parts.places->width()
                        + std::max(0, widthFor(parts.details, parts.details->header()->length() + barWidth)
                                          - parts.views->width());
    if (lacking <= 0)
        return;
    const QScreen* screen = dialog->screen();
    const int widest = screen ? screen->availableGeometry().width() : dialog->width() + lacking;
    const int width = std::min(dialog->width() + lacking, std::max(dialog->width(), widest));
    const int splitterWidth = parts.splitter->width() + width - dialog->width();
    dialog->resize(width, dialog->height());
    parts.splitter->setSizes({placesWidth, splitterWidth - placesWidth - parts.splitter->handleWidth()});
}

class FileDialogPresentation : public QObject
{
public:
    explicit FileDialogPresentation(QObject* parent)
        : QObject(parent)
    {
        qApp->installEventFilter(this);
    }

    // Before the dialog's own handling, which centres it at the size it then has.
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Show)
            return false;
        auto* dialog = qobject_cast<QFileDialog*>(watched);
        if (!dialog)
            return false;
        const DialogParts parts = partsOf(dialog);
        if (!parts.complete())
            return false;
        localizeColumns(dialog, parts.details);
        fitColumns(parts.details);
        fitWidth(dialog, parts);
        return false;
    }
};

} // namespace

void presentFileDialogs(QObject* context)
{
    new FileDialogPresentation(context);
}

} // namespace Startup
