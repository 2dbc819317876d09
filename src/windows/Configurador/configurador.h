#pragma once

#include <QMainWindow>

#include <array>
#include <memory>

class DesktopServices;
class DistributionModel;
class PictureButton;
class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QSlider;
class QStatusBar;
class SoundCues;
class SpectrumChart;

// The distribution editor "Configurador de Padrões": names a crime, divides the day into
// intervals, takes the occurrences of each, checks, charts and saves the pattern. A view of
// DistributionModel, which holds the state; one instance for the whole run, only hidden.
class Configurador : public QMainWindow
{
    Q_OBJECT

public:
    Configurador(DistributionModel &model, SoundCues &cues, QWidget *parent = nullptr);
    ~Configurador() override;

    DistributionModel &model() { return m_model; }

    // Opens files in the desktop's application through this from now on.
    void setDesktop(DesktopServices &desktop) { m_desktop = &desktop; }

    void botao_Click(int index);
    void abretexto();
    // With unsaved edits, asks "Salvar as alterações do padrão?": Salvar saves them (true
    // when the save went through), Descartar throws them away (true), Cancelar keeps them
    // (false). True at once without unsaved edits.
    bool settleUnsavedEdits();
    SpectrumChart *chart() const { return m_chart; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    void buildMenus();
    void connectModel();
    QWidget *buildRows();
    QWidget *buildSlider();
    QWidget *buildChart();
    QWidget *buildButtons();

    void mirrorLayout();
    void mirrorList();
    void mirrorMarks();
    void mirrorChart();
    void clearButtonBorders();
    void loadChosenPattern(int row);
    bool quantidadeKey(int index, QKeyEvent *event);

    DistributionModel &m_model;
    SoundCues &m_cues;
    // The desktop's services: the window's own until another is given.
    std::unique_ptr<DesktopServices> m_ownDesktop;
    DesktopServices *m_desktop = nullptr;

    QLineEdit *m_tipo = nullptr;
    QSlider *m_sl1 = nullptr;
    std::array<QLabel *, 6> m_label3{};
    std::array<QLabel *, 24> m_label7{};
    std::array<QLineEdit *, 12> m_quantidade{};
    std::array<QLabel *, 12> m_percentual{};
    SpectrumChart *m_chart = nullptr;
    QListWidget *m_list1 = nullptr;
    std::array<PictureButton *, 4> m_botao{};
    QFrame *m_picture1 = nullptr;
    QStatusBar *m_statusBar1 = nullptr;
    QLabel *m_panel1 = nullptr;
    // The list's selected row when the pointer was last pressed on it.
    int m_rowBeforePress = -1;
};
