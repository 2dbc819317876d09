#pragma once

#include <QDialog>

class DesktopServices;
class QLabel;
class QPushButton;

// The about window: title, version, purpose and usage notes, and a button that starts the
// desktop's system-information program. Not modal; OK only closes it.
class AboutSom : public QDialog
{
    Q_OBJECT

public:
    // desktop: finds and starts the system-information program, shows the message.
    explicit AboutSom(DesktopServices &desktop, QWidget *parent = nullptr);
    ~AboutSom() override;

    // The product title the window shows.
    static QString applicationTitle();
    // The five paragraphs of the description, in order.
    static QStringList descriptionParagraphs();
    static QString unavailableText();

    void StartSysInfo();

private:
    void Form_Load();
    void cmdOK_Click();
    void cmdSysInfo_Click();

    DesktopServices &m_desktop;
    QLabel *m_lblTitle = nullptr;
    QLabel *m_lblVersion = nullptr;
    QLabel *m_lblDescription = nullptr;
    QLabel *m_lblDisclaimer = nullptr;
    QLabel *m_Image1 = nullptr;
    QPushButton *m_cmdOK = nullptr;
    QPushButton *m_cmdSysInfo = nullptr;
};
