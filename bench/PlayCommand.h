#pragma once

#include <QString>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

// The players' command line: [--wait] FILE.
struct PlayCommand {
    QString file; // empty after a usage line
    bool wait = false;

    PlayCommand(int argc, char* argv[]) {
        wait = argc == 3 && std::strcmp(argv[1], "--wait") == 0;
        if (argc != 2 && !wait)
            std::fprintf(stderr, "usage: %s [--wait] FILE\n", argv[0]);
        else
            file = QString::fromLocal8Bit(argv[argc - 1]);
    }

    // With --wait, prints "ready" and waits for a line on standard input: the moment a user
    // presses Play in the running program, its player already set up.
    void waitForPlay() const {
        if (!wait)
            return;
        std::puts("ready");
        std::fflush(stdout);
        std::string line;
        std::getline(std::cin, line);
    }
};
