#pragma once

#include "display/twipsscale.h"

#include <QWidget>

#include <functional>

class QLabel;
class QTimer;

// The start-up window: product name and version for five seconds, then the main window.
// A click on either reel picture opens the main window at once; a key closes the splash
// alone. Create it with new: it deletes itself when it closes.
class frmSplash : public QWidget
{
    Q_OBJECT

public:
    explicit frmSplash(std::function<void()> showMain, QWidget *parent = nullptr);

    // "Versão major.minor.revision" of a version text; missing parts count as 0.
    static QString versionCaption(const QString &version);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();
    void Timer1_Timer();
    void Image1_Click();
    void Image2_Click();
    void openMain();

    QLabel *addLabel(const char *name, const QString &text, QRect twips);
    QLabel *addImage(const char *name, QRect twips);

    std::function<void()> m_showMain;
    // Drawn at 15 twips to the pixel.
    TwipsScale m_twips;
    QWidget *m_picture1;
    QLabel *m_image1 = nullptr;
    QLabel *m_image2 = nullptr;
    QLabel *m_image4 = nullptr;
    QLabel *m_image3 = nullptr;
    QLabel *m_lblVersion = nullptr;
    QTimer *m_timer1;
};
