// Qt's own dialogs speak Portuguese in an environment that names no language at all (LC_ALL=C,
// as a scheduled job or a bare kiosk session has it): the standard save dialog's buttons.
#include "display/qttranslations.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

class TestQtTranslations : public QObject
{
    Q_OBJECT

private slots:
    void saveDialogInPortuguese();
};

void TestQtTranslations::saveDialogInPortuguese()
{
    QCOMPARE(QLocale().name(), QStringLiteral("C"));
    QVERIFY2(installQtPortuguese(*qApp), "qt6-translations-l10n is not installed");

    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    auto *buttons = dialog.findChild<QDialogButtonBox *>();
    QVERIFY(buttons);
    QStringList texts;
    for (QAbstractButton *button : buttons->buttons())
        texts.append(button->text().remove(u'&'));
    texts.sort();
    QCOMPARE(texts, (QStringList{"Cancelar", "Salvar"}));

    QMessageBox box(QMessageBox::Question, QString(), QString(),
                    QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(box.button(QMessageBox::Yes)->text().remove(u'&'), QStringLiteral("Sim"));
    QCOMPARE(box.button(QMessageBox::No)->text().remove(u'&'), QStringLiteral("Não"));
}

int main(int argc, char *argv[])
{
    // The environment of a job with no language, before Qt reads it.
    qputenv("LC_ALL", "C");
    qputenv("LANG", "C");
    qunsetenv("LANGUAGE");
    QApplication application(argc, argv);
    TestQtTranslations test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_qttranslations.moc"
