#include "display/paintcache.h"

#include "display/progressbarlook.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QProgressBar>
#include <QRadioButton>
#include <QTextDocument>
#include <QTimer>

#include <typeinfo>

namespace {

constexpr int kTakeDelayMs = 500;
// A filling bar keeps a picture per length it showed, up to this many bytes of them (all the
// lengths of the main window's bar at its first size).
constexpr qint64 kMaxBarBytes = 2 * 1024 * 1024;

bool isPlainLabel(const QLabel *label)
{
    if (label->pixmap().cacheKey() != 0 || label->movie() || label->picture().size() > 0)
        return false;
    switch (label->textFormat()) {
    case Qt::PlainText:
        return true;
    case Qt::AutoText:
        return !Qt::mightBeRichText(label->text());
    default:
        return false;
    }
}

// Exactly these classes: a subclass may paint more than its base shows.
bool isCacheable(const QWidget *widget)
{
    const std::type_info &kind = typeid(*widget);
    return kind == typeid(QLabel) || kind == typeid(QRadioButton) || kind == typeid(QCheckBox) ||
           kind == typeid(QProgressBar);
}

} // namespace

PaintCache::PaintCache(QWidget *control) : QObject(control), m_control(control)
{
    setObjectName(QStringLiteral("PaintCache"));
    control->installEventFilter(this);
}

void PaintCache::attach(QWidget *control)
{
    if (control && isCacheable(control) &&
        !control->findChild<PaintCache *>(QString(), Qt::FindDirectChildrenOnly))
        new PaintCache(control);
}

void PaintCache::attachToControlsOf(QWidget *root)
{
    for (QWidget *control : root->findChildren<QWidget *>())
        attach(control);
}

bool PaintCache::readKey(Key &key) const
{
    const QWidget *w = m_control;
    key.size = w->size();
    key.ratio = w->devicePixelRatioF();
    key.font = w->font();
    key.palette = w->palette().cacheKey();
    key.style = w->style();
    key.styleSheet = w->styleSheet();
    auto &state = key.state;
    state[0] = w->isEnabled() | w->isActiveWindow() << 1 | w->hasFocus() << 2 |
               w->underMouse() << 3 | int(w->layoutDirection()) << 4;
    if (const auto *label = qobject_cast<const QLabel *>(w)) {
        if (!isPlainLabel(label))
            return false;
        key.text = label->text();
        state[1] = int(label->alignment());
        state[2] = label->wordWrap() | label->autoFillBackground() << 1;
        state[3] = label->margin();
        state[4] = label->indent();
        state[5] = label->frameStyle();
        state[6] = label->lineWidth();
        state[7] = label->midLineWidth();
        state[8] = label->foregroundRole() | label->backgroundRole() << 8;
    } else if (const auto *button = qobject_cast<const QAbstractButton *>(w)) {
        key.text = button->text();
        key.icon = button->icon().cacheKey();
        state[1] = button->isChecked() | button->isDown() << 1;
        state[2] = button->iconSize().width();
        state[3] = button->iconSize().height();
        if (const auto *box = qobject_cast<const QCheckBox *>(w))
            state[4] = int(box->checkState());
    } else if (const auto *bar = qobject_cast<const QProgressBar *>(w)) {
        state[1] = bar->minimum();
        state[2] = bar->maximum();
        if (const std::optional<int> length = filledLength(bar)) {
            state[3] = *length;
            state[7] = (bar->value() <= bar->minimum()) | (bar->value() == bar->maximum()) << 1;
            state[kByLength] = 1;
        } else {
            key.text = bar->text();
            state[3] = bar->value();
        }
        state[4] = bar->isTextVisible() | bar->invertedAppearance() << 1;
        state[5] = int(bar->alignment());
        state[6] = int(bar->orientation()) | int(bar->textDirection()) << 4;
    } else {
        return false;
    }
    return true;
}

// A control whose key changed paints itself as usual; once it paints again with the same
// key, and still shows the same half a second later, its picture is taken, outside the paint
// (a widget cannot draw itself into a picture while it paints), and drawn from then on. A
// control that changes at every paint (a bar that fills) or a window being resized (a new
// size at every step) is thus never taken in vain.
bool PaintCache::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_control)
        return false;
    if (event->type() == QEvent::Resize) {
        // Pictures of another size are of no use any more.
        m_picture = QPixmap();
        m_barPictures.clear();
        return false;
    }
    if (event->type() != QEvent::Paint || m_rendering)
        return false;
    Key now;
    if (!readKey(now))
        return false;
    if (now.state[kByLength])
        return paintBarOfLength(std::move(now), static_cast<QPaintEvent *>(event)->region());
    if (!(now == m_key)) {
        m_key = std::move(now);
        m_picture = QPixmap();
        return false;
    }
    if (m_picture.isNull()) {
        if (!m_takeQueued) {
            m_takeQueued = true;
            QTimer::singleShot(kTakeDelayMs, this, &PaintCache::takePicture);
        }
        return false;
    }
    QPainter painter(m_control);
    painter.setClipRegion(static_cast<QPaintEvent *>(event)->region());
    painter.drawPixmap(0, 0, m_picture);
    return true;
}

// A filling bar changes at every step, but into one of a few lengths it has shown before: the
// picture of each length is drawn once, at the paint that first shows it, and kept while
// nothing else about the bar changes.
bool PaintCache::paintBarOfLength(Key now, const QRegion &region)
{
    // The length, and whether the bar stands at either end (drawn apart by some styles).
    const int key = now.state[3] * 4 + now.state[7];
    now.state[3] = 0;
    now.state[7] = 0;
    if (!(now == m_barLook)) {
        m_barLook = std::move(now);
        m_barPictures.clear();
    }
    auto found = m_barPictures.constFind(key);
    if (found == m_barPictures.cend()) {
        const QPixmap picture = progressBarPicture(static_cast<QProgressBar *>(m_control));
        const qint64 bytes = qint64(picture.width()) * picture.height() * 4;
        if ((m_barPictures.size() + 1) * bytes > kMaxBarBytes)
            m_barPictures.clear();
        found = m_barPictures.insert(key, picture);
        ++m_renderCount;
    }
    QPainter painter(m_control);
    painter.setClipRegion(region);
    painter.drawPixmap(0, 0, *found);
    return true;
}

void PaintCache::takePicture()
{
    m_takeQueued = false;
    Key now;
    if (!m_control->isVisible() || !readKey(now) || !(now == m_key))
        return;
    const qreal dpr = m_control->devicePixelRatioF();
    QPixmap picture(m_control->size() * dpr);
    picture.setDevicePixelRatio(dpr);
    picture.fill(Qt::transparent);
    const QWidget::RenderFlags flags =
        m_control->autoFillBackground() ? QWidget::DrawWindowBackground : QWidget::RenderFlags();
    m_rendering = true;
    m_control->render(&picture, QPoint(), QRegion(), flags);
    m_rendering = false;
    m_picture = picture;
    ++m_renderCount;
}
