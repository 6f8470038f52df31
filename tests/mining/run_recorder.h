#pragma once

#include "mining/mining_run.h"

#include <QStringList>

// Everything a window would see of a run: the list text (first harvest
// appended to what stood there, then every replacement), the read-outs and
// the accepted keywords with their generation and parent.
struct RunRecorder
{
    explicit RunRecorder(vantorix::mining::MiningRun &run, QString listText = {})
        : list(std::move(listText))
    {
        using vantorix::mining::MiningRun;
        QObject::connect(&run, &MiningRun::firstHarvest, &run,
                         [this](const QString &harvest) { list += harvest; });
        QObject::connect(&run, &MiningRun::listReplaced, &run,
                         [this](const QString &seen) { list = seen; });
        QObject::connect(&run, &MiningRun::querying, &run,
                         [this](const QString &keyword) { labels << keyword; });
        QObject::connect(&run, &MiningRun::countChanged, &run,
                         [this](const QString &text) { counts << text; });
        QObject::connect(
            &run, &MiningRun::keywordAccepted, &run,
            [this](const QString &word, int generation, const QString &parent) {
                accepted << QStringLiteral("%1/%2/%3").arg(word).arg(generation).arg(parent);
            });
        QObject::connect(&run, &MiningRun::finished, &run, [this](int state) {
            finalState = state;
            ++finishes;
        });
    }

    QString list;
    QStringList labels;
    QStringList counts;
    QStringList accepted;
    int finalState = -1;
    int finishes = 0;
};
