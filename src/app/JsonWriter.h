// A small streaming JSON writer for the command-line tool: it writes straight
// into a byte buffer, so that a million samples cost no document tree.
#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

namespace vorn::json {

class Writer {
public:
    void beginObject();
    void endObject();
    void beginArray();
    void endArray();
    // The key of the next value inside an object.
    void key(const char *name);

    void value(double number);       // shortest round-trip form; NaN/inf as null
    void value(long long number);
    void value(int number) { value(static_cast<long long>(number)); }
    void value(bool flag);
    void value(const QString &text); // UTF-8, escaped
    void value(const char *text);
    void null();

    const QByteArray &bytes() const { return m_out; }

private:
    void separate();

    QByteArray m_out;
    // One entry per open object or array: whether it has a member yet.
    std::vector<bool> m_hasMember;
    bool m_afterKey = false;
};

} // namespace vorn::json
