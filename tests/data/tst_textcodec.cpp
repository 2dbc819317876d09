// Reading the data files' text whatever editor wrote it, and writing it back.
#include "data/textcodec.h"

#include <QTest>

class TestTextCodec : public QObject
{
    Q_OBJECT

private slots:
    void decodes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("utf8");
        const QString sp = QStringLiteral("São Paulo €");
        QTest::newRow("windows-1252") << QByteArray("S\xE3o Paulo \x80") << sp << false;
        QTest::newRow("utf-8") << sp.toUtf8() << sp << true;
        QTest::newRow("utf-8 with mark") << QByteArray("\xEF\xBB\xBF") + sp.toUtf8() << sp << true;
        QTest::newRow("ascii") << QByteArray("\"Roubos\",\"10\"") << "\"Roubos\",\"10\"" << true;
        QTest::newRow("empty") << QByteArray() << QString() << true;
        QByteArray le("\xFF\xFE");
        QByteArray be("\xFE\xFF");
        for (QChar c : sp) {
            le.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
            be.append(char(c.unicode() >> 8)).append(char(c.unicode() & 0xFF));
        }
        QTest::newRow("utf-16 little endian") << le << sp << true;
        QTest::newRow("utf-16 big endian") << be << sp << true;
        // Half of a surrogate pair is no character: it reads as U+FFFD, a whole pair stays.
        const QString fffd(QChar::ReplacementCharacter);
        QTest::newRow("utf-16 lone first half") << QByteArray("\xFF\xFE"
                                                              "A\0\x00\xD8"
                                                              "B\0",
                                                              8)
                                                << "A" + fffd + "B" << true;
        QTest::newRow("utf-16 lone second half at the end") << QByteArray("\xFF\xFE"
                                                                          "A\0\x00\xDC",
                                                                          6)
                                                            << "A" + fffd << true;
        QTest::newRow("utf-16 halves in reverse order") << QByteArray("\xFE\xFF"
                                                                      "\xDC\x00\xD8\x00",
                                                                      6)
                                                        << fffd + fffd << true;
        QTest::newRow("utf-16 whole pair") << QByteArray("\xFF\xFE"
                                                         "\x34\xD8\x1E\xDD",
                                                         6)
                                           << QStringLiteral("\U0001D11E") << true;
        // A broken UTF-8 sequence is not UTF-8: every byte is a Windows-1252 character.
        QTest::newRow("broken utf-8") << QByteArray("S\xC3o") << QStringLiteral("SÃo") << false;
    }
    void decodes()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, utf8);
        const DecodedText decoded = decodeText(bytes);
        QTEST(decoded.text, "text");
        QCOMPARE(decoded.encoding == TextEncoding::Utf8, utf8);
    }

    void encodesOnlyWhatTheEncodingHolds_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("encoding");
        QTest::addColumn<bool>("holds");
        QTest::newRow("accents in 1252")
            << "Homicídios em São Paulo" << int(TextEncoding::Windows1252) << true;
        QTest::newRow("euro in 1252") << "€" << int(TextEncoding::Windows1252) << true;
        QTest::newRow("polish in 1252") << "Łódź" << int(TextEncoding::Windows1252) << false;
        QTest::newRow("han in 1252") << "中" << int(TextEncoding::Windows1252) << false;
        QTest::newRow("han in utf-8") << "中" << int(TextEncoding::Utf8) << true;
    }
    void encodesOnlyWhatTheEncodingHolds()
    {
        QFETCH(QString, text);
        QFETCH(int, encoding);
        QFETCH(bool, holds);
        const std::optional<QByteArray> bytes = encodeText(text, TextEncoding(encoding));
        QCOMPARE(bytes.has_value(), holds);
        if (holds)
            QCOMPARE(decodeText(*bytes).text, text);
    }
};

QTEST_GUILESS_MAIN(TestTextCodec)
#include "tst_textcodec.moc"
