// Streaming JSON output.
#include "JsonWriter.h"

#include <charconv>
#include <cmath>

namespace vorn::json {

void Writer::separate()
{
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (!m_hasMember.empty()) {
        if (m_hasMember.back())
            m_out += ", ";
        m_hasMember.back() = true;
    }
}

void Writer::beginObject()
{
    separate();
    m_out += '{';
    m_hasMember.push_back(false);
}

void Writer::endObject()
{
    m_hasMember.pop_back();
    m_out += '}';
}

void Writer::beginArray()
{
    separate();
    m_out += '[';
    m_hasMember.push_back(false);
}

void Writer::endArray()
{
    m_hasMember.pop_back();
    m_out += ']';
}

void Writer::key(const char *name)
{
    separate();
    m_out += '"';
    m_out += name;
    m_out += "\": ";
    m_afterKey = true;
}

void Writer::value(double number)
{
    if (!std::isfinite(number)) {
        null();
        return;
    }
    separate();
    char buf[32];
    const auto result = std::to_chars(buf, buf + sizeof buf, number);
    m_out.append(buf, result.ptr - buf);
}

void Writer::value(long long number)
{
    separate();
    char buf[24];
    const auto result = std::to_chars(buf, buf + sizeof buf, number);
    m_out.append(buf, result.ptr - buf);
}

void Writer::value(bool flag)
{
    separate();
    m_out += flag ? "true" : "false";
}

void Writer::value(const char *text) { value(QString::fromUtf8(text)); }

void Writer::value(const QString &text)
{
    separate();
    m_out += '"';
    const QByteArray utf8 = text.toUtf8();
    for (const char c : utf8) {
        switch (c) {
        case '"': m_out += "\\\""; break;
        case '\\': m_out += "\\\\"; break;
        case '\n': m_out += "\\n"; break;
        case '\r': m_out += "\\r"; break;
        case '\t': m_out += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char esc[8];
                std::snprintf(esc, sizeof esc, "\\u%04x", unsigned(static_cast<unsigned char>(c)));
                m_out += esc;
            } else {
                m_out += c;
            }
        }
    }
    m_out += '"';
}

void Writer::null()
{
    separate();
    m_out += "null";
}

} // namespace vorn::json
