#pragma once

#include "platform/HelpViewer.h"

class RecordedHelpViewer : public platform::HelpViewer {
public:
    struct Request {
        QString path;
        Command command;
    };
    void show(const QString& helpFilePath, Command command) override { requests.append({helpFilePath, command}); }
    QList<Request> requests;
};
