#pragma once

#include "WhenModal.h"

#include <QFileDialog>
#include <QLineEdit>

#include <gtest/gtest.h>

// Answers the next file dialog as a user who types `path` into its name field
// and presses Open (or Save). The name is typed, not given to selectFile():
// once the dialog is on screen with the focus in its name field, selectFile()
// leaves that field as it is, and Open then finds no file and keeps the
// dialog open. When the dialog gets the focus is the window system's timing.
// With `filter`, that file type is chosen first; `offered` receives the type
// the dialog came up with.
inline void chooseInFileDialog(const QString& path, const QString& filter = {}, QString* offered = nullptr) {
    whenModal<QFileDialog>([path, filter, offered](QFileDialog* dialog) {
        if (offered) {
            *offered = dialog->selectedNameFilter();
        }
        if (!filter.isEmpty()) {
            dialog->selectNameFilter(filter);
        }
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_TRUE(name) << "the file dialog has no name field";
        name->setText(path);
        // done(), not accept(): the dialog's own checks of a typed name (does it exist, replace it?) are
        // the toolkit's, and each would ask in a box of its own.
        QMetaObject::invokeMethod(
            dialog, [dialog] { static_cast<QDialog*>(dialog)->done(QDialog::Accepted); }, Qt::QueuedConnection);
    });
}
