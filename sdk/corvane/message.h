/* The entry point, the message record and the basic interface. */
#ifndef CORVANE_SDK_MESSAGE_H
#define CORVANE_SDK_MESSAGE_H

#include "corvane/types.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Callers and selectors of PluginMain. */
#define kCallerAccess "SP Access"
#define kSelectorUnload "Unload"
#define kSelectorReload "Reload"
#define kCallerInterface "SP Interface"
#define kSelectorStartup "Startup"
#define kSelectorAbout "About"
#define kSelectorShutdown "Shutdown"
#define kCallerFilter "AI Filter"
#define kSelectorGetParameters "AI Get Parameters"
#define kSelectorGo "AI Go"
#define kCallerMenu "AI Menu"
#define kSelectorUpdate "AI Update"

/* The basic interface, handed to the plug-in in every message. */
typedef struct BasicSuite {
  /* Fetches the function table of a suite. An unknown name or version gives
   * kSuiteNotFoundError and leaves *table null. Repeated fetches of the same
   * suite give the same table; each successful fetch is matched by one
   * ReturnSuite. */
  HostError (*ObtainSuite)(const char* name, int32_t version, const void** table);
  /* Gives back a suite obtained earlier. */
  HostError (*ReturnSuite)(const char* name, int32_t version);
  /* Nonzero when the two NUL-terminated strings are equal. */
  int32_t (*SameText)(const char* a, const char* b);
} BasicSuite;

/* The record whose address the host passes to PluginMain. */
typedef struct HostMessage {
  int32_t checkWord;        /* not read by plug-ins */
  PluginRef pluginRef;      /* passed to every dialog, string and registration call */
  void* globals;            /* kept by the host for the plug-in across Unload/Reload */
  const BasicSuite* basic;  /* valid for the duration of the call */
  FilterRef filter;         /* filter messages: the filter the message is for */
  MemHandle parameters;     /* filter messages: the kept parameter block, or null */
} HostMessage;

/* The one export of every plug-in library. message points to a HostMessage. */
typedef HostError (*PluginMainProc)(const char* caller, const char* selector, void* message);

#define kPluginEntryName "PluginMain"

#ifdef __cplusplus
}
#endif

#endif
