#pragma once

#include <QDialog>

#include <functional>

class QLabel;
class QPushButton;

// The about window: title, version, purpose and usage notes, and a button that starts the
// desktop's system-information program. Not modal; OK only closes it.
class AboutSom : public QDialog
{
    Q_OBJECT

public:
    explicit AboutSom(QWidget *parent = nullptr);
    ~AboutSom() override;

    // The product title the window shows.
    static QString applicationTitle();
    // The five paragraphs of the description, in order.
    static QStringList descriptionParagraphs();
    static QString unavailableText();

    // Full path of a program found on the PATH, empty when there is none. Replaceable.
    std::function<QString(const QString &name)> findExecutable;
    // Starts a program without waiting for it; false when it could not be started.
    std::function<bool(const QString &path, const QStringList &arguments)> startDetached;
    // The modal message with an OK button.
    std::function<void(const QString &text)> showMessage;

    void StartSysInfo();

private:
    void Form_Load();
    void cmdOK_Click();
    void cmdSysInfo_Click();

    QLabel *m_lblTitle = nullptr;
    QLabel *m_lblVersion = nullptr;
    QLabel *m_lblDescription = nullptr;
    QLabel *m_lblDisclaimer = nullptr;
    QLabel *m_Image1 = nullptr;
    QPushButton *m_cmdOK = nullptr;
    QPushButton *m_cmdSysInfo = nullptr;
};
