#pragma once
#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QString>

// A JSON string literal (quotes and escapes) for lines whose keys are written in a fixed order.
inline QByteArray JsonString(const QString& text)
{
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}
