#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QTimer;

// A timed notice: closes itself 8.5 s after it was opened, or on OK. Not modal.
class mensagem : public QDialog
{
    Q_OBJECT

public:
    explicit mensagem(QWidget *parent = nullptr);

    // Sets the text and shows the window; showing it again while it is open only changes the
    // text, the closing countdown goes on from when the window was opened.
    void showMessage(const QString &text);

    QLabel *qn() const { return m_qn; }

private:
    void Form_Load();
    void Command1_Click();
    void Timer1_Timer();

    QLabel *m_qn;
    QPushButton *m_command1;
    QTimer *m_timer1;
};

// The one message window of the run, created on first use.
mensagem &mensagemWindow();
