#pragma once

#include "data/distributionfile.h"

#include <QObject>
#include <QStringList>
#include <QTimer>

#include <array>
#include <functional>

class SoundCues;

// The distribution editor's state without its window: the pattern table read from
// QuorvelDistribuicao.txt, the list of names, and the pattern in the editor (Tipo, SL1,
// Quantidade, Percentual), which is also the active distribution the counter reads.
// Configurador mirrors it; the main window selects patterns and reads the shares through it.
class DistributionModel : public QObject
{
    Q_OBJECT

public:
    static constexpr int kRows = 12;

    // Key codes of the quantity cells' rules.
    enum KeyCode { KeyEnter = 13, KeyEscape = 27, KeyUp = 38, KeyDown = 40 };

    // Reads the file at once, as the editor does when it loads.
    DistributionModel(QString filePath, SoundCues &cues, QObject *parent = nullptr);
    ~DistributionModel() override;

    // The stored patterns, as List1 holds them.
    int patternCount() const;
    QString patternName(int i) const;
    const QStringList &List1() const { return m_list1; }
    int currentIndex() const { return m_currentIndex; }
    QString currentText() const;
    // Selects item i of List1 and always loads it (List1_Click), also when i is already
    // selected; an index outside the list only clears the selection.
    void selectPattern(int i);

    // The pattern in the editor.
    QString Tipo() const { return m_tipo; }
    QString Quantidade(int i) const;
    QString Percentual(int i) const;
    int SL1() const { return m_sl1; }
    int intervalCount() const;
    qint16 ErroTabela() const { return m_erroTabela; }
    // Empties every Quantidade, every Percentual and Tipo; SL1 and the selection stay.
    void clearCells();
    // Whether the pattern in the editor differs from the one last loaded or saved (an
    // editor emptied of every name and cell holds nothing to save).
    bool hasUnsavedEdits() const;
    // Throws the edits away: the pattern last loaded comes back (or empty cells).
    void discardEdits();

    void setTipo(const QString &text);
    void setQuantidade(int i, const QString &text);
    // Moves the slider (0..5); a change lays the rows out again (SL1_Change).
    void setSL1(int position);

    // The rows' captions and which rows show.
    QString Label7(int i) const;
    bool rowVisible(int row) const;

    // Panel 1 of StatusBar1, the red marks and the 12 bars of MSChart3.
    QString statusText() const { return m_statusText; }
    bool tipoMarked() const { return m_tipoMarked; }
    bool quantidadeMarked(int i) const;
    const std::array<double, 12> &chartValues() const { return m_chart; }
    // Clears the message and the marks 3000 ms after each message.
    QTimer &Timer1() { return m_timer1; }

    // The file and its table.
    QString filePath() const { return m_filePath; }
    // The program's own directory (its default): a save anywhere else names its folder in
    // the notice.
    void setProgramDirectory(const QString &directory) { m_programDirectory = directory; }
    TextEncoding encoding() const { return m_file.encoding; }
    const QList<PatternRow> &TabelaPadroes() const { return m_file.rows; }

    // (Re)reads the file into the table and List1, with nothing selected. A missing or
    // unreadable file gives an empty list, without a message.
    void abrearquivo();
    // The same from the file's bytes in memory, as if the file held them.
    void abrearquivo(const QByteArray &bytes);
    void Forma_Menu();
    void Confirma_Tamanho_menu();
    void Critica();
    void FazGraficoFrequenciasDistribuicao();
    void Salva_padrao();
    void Label3_Click(int index);
    // The rules of a key pressed in Quantidade(index), before the key itself takes effect;
    // returns the cell that gets the focus, or -1 when the focus stays.
    int Quantidade_KeyDown(int index, int keyCode);
    void Quantidade_Click(int index);
    void Tipo_Click();
    // The four buttons: check, clear, check and save, hand over to the main window.
    void botao_Click(int index);
    void Timer1_Timer();

    // A refusal: TocaAbaixo and the message in panel 1 until Timer1 clears it.
    void reportError(const QString &text);

    // What "Usar esta distribuição como padrão" asks of the main window: whether a count
    // is running, whether ParametroMes has a text, and AtivaDistribuicao. Until they are
    // set the button refuses for lack of a monthly quantity.
    void setActivation(std::function<bool()> countRunning, std::function<bool()> hasParametroMes,
                       std::function<void()> activate);

signals:
    void tipoChanged(const QString &text);
    void quantidadeChanged(int i, const QString &text);
    void percentualChanged(int i, const QString &text);
    void SL1Changed(int position);
    void layoutChanged();
    void listChanged();
    void currentIndexChanged(int index);
    void statusTextChanged(const QString &text);
    void marksChanged();
    void chartChanged();
    // Show the message window with this text.
    void messageRequested(const QString &text);
    // The pattern was handed to the main window: the editor hides.
    void hideRequested();

private:
    void List1_Click();
    void setPercentual(int i, const QString &text);
    void setStatus(const QString &text);
    void markTipo(bool red);
    void markQuantidade(int i, bool red);
    void showRows(int count, bool emptyHidden);
    void adoptFile(DistributionFileContent content);
    void failSave();
    void UsarComoPadrao();

    QString m_filePath;
    SoundCues &m_cues;
    QString m_programDirectory;
    DistributionFileContent m_file;
    QStringList m_list1;
    int m_currentIndex = -1;

    QString m_tipo;
    std::array<QString, kRows> m_quantidade;
    std::array<QString, kRows> m_percentual;
    int m_sl1 = 0;
    qint16 m_erroTabela = 0;
    // Whether the last check that passed found any occurrence (and so computed shares).
    bool m_totalPositive = false;
    std::array<QString, 2 * kRows> m_label7;
    std::array<bool, kRows> m_rowVisible{};

    QString m_statusText;
    bool m_tipoMarked = false;
    std::array<bool, kRows> m_quantidadeMarked{};
    std::array<double, 12> m_chart{};
    QTimer m_timer1;

    // The pattern as last loaded or saved, against which edits are told.
    QString m_savedTipo;
    std::array<QString, kRows> m_savedQuantidade;
    int m_savedSl1 = 0;
    void rememberAsSaved();

    std::function<bool()> m_countRunning;
    std::function<bool()> m_hasParametroMes;
    std::function<void()> m_activate;
};
