#include "common/Translate.h"

namespace kelvo {

namespace {
std::string (*g_translator)(const char*) = nullptr;
}

std::string tr(const char* sourceText) {
    return g_translator ? g_translator(sourceText) : std::string(sourceText);
}

void setTranslator(std::string (*translator)(const char*)) {
    g_translator = translator;
}

}  // namespace kelvo
