#pragma once

#include <QString>
#include <QStringView>

// The item rules shared by the incidence and sources files: items are separated by commas or
// line ends (CR LF, LF or CR); spaces and tabs in front of an item are skipped; a quoted item
// runs to the next quote (a comma inside is part of it; a quote left open ends with its line)
// and whatever follows the closing quote up to the next separator is ignored; an unquoted
// item is its text without surrounding spaces and tabs; an empty line, or one of blanks only,
// is one empty item; a comma at the end of a line adds no item.
namespace itemscan {

inline bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

inline bool isLineEnd(QChar c)
{
    return c == u'\r' || c == u'\n';
}

// Walks the text item by item. Works on raw pointers: a file of 100,000 entries must read
// in a few milliseconds, so each item costs one string allocation and nothing more.
class ItemScanner
{
public:
    explicit ItemScanner(QStringView text) : m_pos(text.data()), m_end(text.data() + text.size()) {}

    bool atEnd() const { return m_pos == m_end; }
    int line() const { return m_line; }

    // Reads the item at the current place (the caller checks atEnd first) and the
    // separator behind it.
    QString next()
    {
        skipBlanks();
        if (m_pos == m_end)
            return QString(); // blanks alone on the last line: a blank line
        if (isLineEnd(*m_pos)) {
            skipLineEnd();
            return QString();
        }

        QString value;
        if (*m_pos == u'"') {
            const QChar *start = ++m_pos;
            while (m_pos != m_end && *m_pos != u'"' && !isLineEnd(*m_pos))
                ++m_pos;
            const QChar *stop = m_pos;
            if (m_pos != m_end && *m_pos == u'"') {
                ++m_pos;
            } else {
                // No closing quote on the line: the item ends with it.
                while (stop != start && isBlank(stop[-1]))
                    --stop;
            }
            value = QString(start, stop - start);
            while (m_pos != m_end && *m_pos != u',' && !isLineEnd(*m_pos))
                ++m_pos; // anything between the closing quote and the separator
        } else {
            const QChar *start = m_pos;
            while (m_pos != m_end && *m_pos != u',' && !isLineEnd(*m_pos))
                ++m_pos;
            const QChar *stop = m_pos;
            while (stop != start && isBlank(stop[-1]))
                --stop;
            value = QString(start, stop - start);
        }
        skipSeparator();
        return value;
    }

private:
    void skipBlanks()
    {
        while (m_pos != m_end && isBlank(*m_pos))
            ++m_pos;
    }

    void skipLineEnd()
    {
        if (*m_pos == u'\r' && m_pos + 1 != m_end && m_pos[1] == u'\n')
            ++m_pos;
        ++m_pos;
        ++m_line;
    }

    // After an item: a comma, a line end or the end of the text. A comma that closes its
    // line takes the line end with it, so that a trailing comma does not make an item.
    void skipSeparator()
    {
        if (m_pos == m_end)
            return;
        if (isLineEnd(*m_pos)) {
            skipLineEnd();
            return;
        }
        ++m_pos; // the comma
        skipBlanks();
        if (m_pos != m_end && isLineEnd(*m_pos))
            skipLineEnd();
    }

    const QChar *m_pos;
    const QChar *m_end;
    int m_line = 1;
};

} // namespace itemscan
