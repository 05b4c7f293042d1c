#pragma once

class QWebEngineProfile;

// The browser profile every Flash view shares: off the record (no cache or cookies written to
// disk) and limited to local content, since the control is a local movie player.
namespace FlashProfile {
// Created on first use, owned by the application object.
QWebEngineProfile* shared();
} // namespace FlashProfile
