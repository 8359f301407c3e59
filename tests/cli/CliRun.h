#pragma once
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

// One run of orlanda-cli: its exit status (-1 when it crashed), standard output as JSON lines, standard error.
struct CliRun {
    int status = -1;
    QList<QJsonObject> lines;
    QString err;
};

// Runs orlanda-cli with args in folder and waits for it.
CliRun RunCli(const QStringList& args, const QString& folder);
