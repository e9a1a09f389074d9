#pragma once
// How the system recognises its adapter: words in its description and its miniport's service.

constexpr const char* ADAPTER_MODEL_WORD = "KX710";    // model 1
constexpr const char* ADAPTER_MAKER_WORD = "VELTRIX";  // model 0
constexpr const char* MINIPORT_SERVICE_PREFIX = "QTND";
