#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <span>

// Test fixtures are written as hex strings: "25 06 60 44".
inline QByteArray hexBytes(const char* text) {
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

template <typename Container> QByteArray toBytes(const Container& c) {
    return QByteArray(reinterpret_cast<const char*>(c.data()), qsizetype(c.size()));
}

inline std::span<const quint8> asSpan(const QByteArray& bytes) {
    return {reinterpret_cast<const quint8*>(bytes.constData()), size_t(bytes.size())};
}
