#include "platform/prompt.h"

#include <cstdlib>
#include <cstdio>

namespace {
TPrompt *gPrompt = nullptr;
}

TPrompt &Prompt()
{
    if (!gPrompt) {
        // A modal question with nobody to answer it is a programming error, not a user's.
        std::fputs("lorvanta: no prompt installed\n", stderr);
        std::abort();
    }
    return *gPrompt;
}

TPrompt *SetPrompt(TPrompt *prompt)
{
    TPrompt *previous = gPrompt;
    gPrompt = prompt;
    return previous;
}
