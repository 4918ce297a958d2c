// Qt's JSON values in GoogleTest's failure messages as the JSON text they hold,
// and JSON text read as an object.
#pragma once

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

#include <ostream>
#include <string>

// GoogleTest finds these beside the types, in the global namespace.
inline void PrintTo(const QJsonValue& value, std::ostream* out)
{
    if (value.isArray())
        *out << QJsonDocument(value.toArray()).toJson(QJsonDocument::Compact).toStdString();
    else if (value.isObject())
        *out << QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact).toStdString();
    else
        *out << QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact).toStdString();
}
inline void PrintTo(const QJsonArray& value, std::ostream* out) { PrintTo(QJsonValue(value), out); }
inline void PrintTo(const QJsonObject& value, std::ostream* out) { PrintTo(QJsonValue(value), out); }

// The object a JSON text holds; a text that is no JSON fails the test.
inline QJsonObject jsonOf(const std::string& text)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(text), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    return document.object();
}
