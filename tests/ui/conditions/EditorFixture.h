#pragma once

#include "AlertAnswers.h"
#include "ConditionEditWindow.h"
#include "ConditionEditWindowController.h"
#include "LibraryDocument.h"
#include "LocalizedStrings.h"
#include "LocalizedText.h"
#include "SampleRecords.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

// A library with its document, the condition editor on it and a parent
// window for the sheet; the editor's texts in English.
class EditorFixture : public ::testing::Test, private UsLocale {
protected:
    EditorFixture() {
        LocalizedText::setProvider([this](const QString& key) { return strings.text(key); });
        parent.resize(800, 600);
        parent.show();
    }
    ~EditorFixture() override { LocalizedText::setProvider({}); }

    // Opens the sheet on the book and runs `steps` on it once it shows;
    // the steps end by pressing OK or Cancel. Returns what the sheet returned.
    bool edit(const SmartBookPtr& book, const std::function<void(ConditionEditWindow&)>& steps) {
        controller.editSmartPlaylist(book);
        QTimer::singleShot(0, &controller, [this, steps] {
            ConditionEditWindow* window = controller.window();
            if (!window) {
                ADD_FAILURE() << "no sheet";
                return;
            }
            steps(*window);
            // A sheet left open by a failed step still closes.
            if (controller.window()) {
                QTimer::singleShot(0, &controller, [this] { controller.cancelClicked(); });
            }
        });
        return controller.openWindowAsSheetOf(&parent);
    }
    SmartBookPtr storedBook(const ConditionPtr& tree) {
        const SmartBookPtr book = SmartBook::create();
        book->setConditions(tree);
        root->addSmartBook(book);
        return book;
    }
    static void ok(ConditionEditWindow& window) { window.buttonBox()->button(QDialogButtonBox::Ok)->click(); }
    static void cancel(ConditionEditWindow& window) { window.buttonBox()->button(QDialogButtonBox::Cancel)->click(); }

    LocalizedStrings strings{QLocale(QStringLiteral("en_US"))};
    DataRootPtr root = DataRoot::create();
    LibraryDocument document{root};
    ConditionEditWindowController controller{&document};
    QWidget parent;
};
