// refuge.h - where kept work goes when the folder it belongs in takes no file
// (a full disk, a read-only or deleted folder): below each of the user's
// state folders in turn, most wanted first ($XDG_STATE_HOME, ~/.local/state,
// then the last place, a folder of the user's own in the system's temporary
// folder: files/file_io.h), in hudwright/ and then the folder's own path made
// plain, so that no ".." can lead out of it:
// ~/.local/state/hudwright/home/u/hud for /home/u/hud. A folder whose path
// would make the refuge's too long for the system is named by a hash of it
// instead: hudwright/long/0123456789ABCDEF.
//
// Not for what is written there, nor the messages: editor/unsaved.cpp's.
#pragma once

#include <string>
#include <vector>

struct refuge {
    std::string folder; // where the work goes
    std::string base;   // the state folder it lies below
    bool last_place;    // the base is the last place, made for the user alone
};

// The refuges of folder (an absolute path), most wanted first.
std::vector<refuge> refuges_of(const std::string& folder);
// Makes r's folder and those above it, the last place's for the user alone
// (and found so). False with errno set.
bool make_refuge(const refuge& r);
