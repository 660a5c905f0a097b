#pragma once

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QSignalSpy>
#include <QStringList>
#include <QTest>
#include <QTreeView>

// The file dialog a page shows (Qt's widget dialog), once it shows; null when none
// does within a bound.
inline QFileDialog* shownFileDialog()
{
    QFileDialog* shown = nullptr;
    const bool showing = QTest::qWaitFor(
        [&shown] {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                auto* dialog = qobject_cast<QFileDialog*>(widget);
                if (dialog && dialog->isVisible()) {
                    shown = dialog;
                    return true;
                }
            }
            return false;
        },
        10000);
    return showing ? shown : nullptr;
}

// The dialog's detail view of the files, whose model and folder the list view shares.
inline QTreeView* fileDetails(QFileDialog* dialog)
{
    return dialog->findChild<QTreeView*>(QStringLiteral("treeView"));
}

// Takes the dialog to the folder and returns the names it lists there once it has
// read the folder; empty when it does not read it within a bound.
inline QStringList listedFileNames(QFileDialog* dialog, const QString& folder)
{
    auto* files = dialog->findChild<QFileSystemModel*>();
    QTreeView* details = fileDetails(dialog);
    if (!files || !details)
        return {};
    QSignalSpy loaded(files, &QFileSystemModel::directoryLoaded);
    dialog->setDirectory(folder);
    const bool read = QTest::qWaitFor(
        [&] {
            for (const QList<QVariant>& arguments : loaded) {
                if (QFileInfo(arguments.at(0).toString()) == QFileInfo(folder))
                    return true;
            }
            return false;
        },
        10000);
    QStringList names;
    if (!read)
        return names;
    const QModelIndex root = details->rootIndex();
    for (int row = 0; row < details->model()->rowCount(root); ++row)
        names << details->model()->index(row, 0, root).data().toString();
    return names;
}
