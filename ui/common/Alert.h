#pragma once

#include <QCoreApplication>
#include <QList>
#include <QMessageBox>
#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

// Every alert of both programs: a beep, then a modal box with a title line,
// an explanation and the buttons the situation offers; the answer is the
// button the user pressed. Tests set the answers beforehand instead of
// clicking, and read back what was shown.
class Alert {
public:
    enum class Icon { Information, Warning, Critical };

    // What an alert showed, as the test hook sees it.
    struct Shown {
        QString objectName;
        Icon icon = Icon::Warning;
        QString text;
        QString informativeText;
        QStringList buttons;
        QString defaultButton;
        QString escapeButton;
    };
    // Given what an alert shows, names the button to press.
    using Answerer = std::function<QString(const Shown& shown)>;

    // `parent` makes the alert modal to its window; `objectName` lets tests
    // tell alerts apart.
    Alert(QWidget* parent, const QString& objectName, Icon icon, const QString& text,
          const QString& informativeText = QString());

    void setInformativeText(const QString& text) { m_informativeText = text; }
    // Returns the button's id, the value exec() returns when it is pressed.
    int addButton(const QString& text, QMessageBox::ButtonRole role);
    // Return presses the default button; Escape and the close control the
    // escape button. Without them: the first button and the last one.
    void setDefaultButton(int id) { m_defaultButton = id; }
    void setEscapeButton(int id) { m_escapeButton = id; }

    // Beeps, shows the alert and waits for the answer. An alert without
    // buttons gets "OK".
    int exec();

    // An alert with the one button "OK".
    static void inform(QWidget* parent, const QString& objectName, Icon icon, const QString& text,
                       const QString& informativeText = QString());

    // Test hook: while an answerer is set, alerts are not shown; each is
    // logged and answered by it. A name that matches no button takes the
    // escape button, so a test that expected another alert fails rather than hangs.
    static void setAnswerer(Answerer answerer);
    static const QList<Shown>& shownAlerts();
    static void clearShownAlerts();

private:
    Shown describe() const;
    int answerFromHook(const Answerer& answerer);

    QWidget* m_parent;
    QString m_objectName;
    Icon m_icon;
    QString m_text;
    QString m_informativeText;
    QList<QPair<QString, QMessageBox::ButtonRole>> m_buttons;
    int m_defaultButton = -1;
    int m_escapeButton = -1;
};
