#include "windows/frmSplash/frmsplash.h"

#include "display/svgpicture.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <QVersionNumber>

#include <utility>

namespace {

constexpr QSize kWindowTwips(10500, 4500);

} // namespace

frmSplash::frmSplash(std::function<void()> showMain, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_showMain(std::move(showMain)),
      m_picture1(new QWidget(this)), m_timer1(new QTimer(this))
{
    setObjectName(QStringLiteral("frmSplash"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(m_twips.px(kWindowTwips));

    m_picture1->setObjectName(QStringLiteral("Picture1"));
    m_picture1->setGeometry(rect());
    m_picture1->setAutoFillBackground(true);
    m_picture1->setStyleSheet(QStringLiteral(
        "#Picture1 { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #1b2430, "
        "stop:1 #06090d); border: 1px solid #5b6570; }"
        "QLabel { color: #e8e4d8; }"));

    // Label1 is the product name's shadow, drawn just below and right of it.
    QLabel *shadow =
        addLabel("Label1", QStringLiteral("Quorvel Counter"), QRect(630, 330, 8400, 780));
    QLabel *name =
        addLabel("lblProductNamea", QStringLiteral("Quorvel Counter"), QRect(600, 300, 8400, 780));
    QFont nameFont = name->font();
    nameFont.setPointSizeF(nameFont.pointSizeF() * 2.6);
    nameFont.setBold(true);
    shadow->setFont(nameFont);
    shadow->setStyleSheet(QStringLiteral("color: #000000;"));
    name->setFont(nameFont);
    name->setStyleSheet(QStringLiteral("color: #f2b632;"));

    QLabel *platform =
        addLabel("lblPlatform",
                 QStringLiteral("Contador estatístico de violência para ensino e conscientização"),
                 QRect(600, 1140, 9300, 360));
    QFont platformFont = platform->font();
    platformFont.setItalic(true);
    platform->setFont(platformFont);

    m_lblVersion = addLabel("lblVersion", QStringLiteral("Version"), QRect(600, 1560, 4200, 300));
    addLabel("Label3", QString(), QRect(600, 1890, 4200, 300));
    addLabel("Label2", QStringLiteral("Desenvolvido pela equipe Quorvel Counter"),
             QRect(600, 2220, 4400, 300));
    addLabel("lblCompanyProduct", QStringLiteral("quorvel-counter.example.org"),
             QRect(600, 4080, 8400, 300));

    m_image1 = addImage("Image1", QRect(600, 3000, 8205, 975));
    m_image2 = addImage("Image2", QRect(5160, 2640, 4965, 675));
    m_image4 = addImage("Image4", QRect(7200, 2450, 2925, 375));
    m_image3 = addImage("Image3(1)", QRect(9300, 300, 780, 780));
    m_image2->setScaledContents(true);
    m_image4->setScaledContents(true);
    m_image3->setScaledContents(true);
    for (QLabel *reel : {m_image1, m_image2}) {
        reel->installEventFilter(this);
        reel->setCursor(Qt::PointingHandCursor);
        reel->setToolTip(QStringLiteral("Clique para abrir o contador"));
    }
    m_image1->setAccessibleName(QStringLiteral("Abrir o contador (faixa de rodas)"));
    m_image2->setAccessibleName(QStringLiteral("Abrir o contador (rodas)"));

    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(5000);
    m_timer1->setSingleShot(true);
    connect(m_timer1, &QTimer::timeout, this, &frmSplash::Timer1_Timer);

    Form_Load();
    m_timer1->start();
}

QString frmSplash::versionCaption(const QString &version)
{
    const QVersionNumber number = QVersionNumber::fromString(version);
    return QStringLiteral("Versão %1.%2.%3")
        .arg(number.majorVersion())
        .arg(number.minorVersion())
        .arg(number.microVersion());
}

void frmSplash::Form_Load()
{
    m_lblVersion->setText(versionCaption(QCoreApplication::applicationVersion()));

    const qreal ratio = devicePixelRatioF();
    m_image1->setPixmap(svgPicture(QStringLiteral(":/pictures/reel.svg"), m_image1->size(), ratio));
    m_image2->setPixmap(m_image1->pixmap());
    m_image4->setPixmap(m_image1->pixmap());
    m_image3->setPixmap(svgPicture(QStringLiteral(":/pictures/icon.svg"), m_image3->size(), ratio));

    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - rect().center());
    }
}

QLabel *frmSplash::addLabel(const char *name, const QString &text, QRect twips)
{
    auto *label = new QLabel(text, m_picture1);
    label->setObjectName(QString::fromLatin1(name));
    m_twips.place(label, twips);
    return label;
}

QLabel *frmSplash::addImage(const char *name, QRect twips)
{
    QLabel *image = addLabel(name, QString(), twips);
    image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return image;
}

void frmSplash::openMain()
{
    m_timer1->stop();
    const std::function<void()> showMain = std::exchange(m_showMain, nullptr);
    if (showMain)
        showMain();
    close();
}

void frmSplash::Timer1_Timer()
{
    openMain();
}

void frmSplash::Image1_Click()
{
    openMain();
}

void frmSplash::Image2_Click()
{
    openMain();
}

bool frmSplash::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        if (watched == m_image1) {
            Image1_Click();
            return true;
        }
        if (watched == m_image2) {
            Image2_Click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmSplash::keyPressEvent(QKeyEvent *event)
{
    // A modifier held alone (Alt while switching windows, say) is not a key press of its own.
    switch (event->key()) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
        QWidget::keyPressEvent(event);
        return;
    default:
        break;
    }
    close();
}

void frmSplash::closeEvent(QCloseEvent *event)
{
    m_timer1->stop();
    QWidget::closeEvent(event);
}
