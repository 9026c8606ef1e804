// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The CUPS functions the print layer calls, for the program alone: each loads
// libcups at its first call and hands on to it. Linked at start, libcups and
// what it needs (TLS, Kerberos, Avahi: a score of libraries, each bound and
// initialised before main) cost about 3 ms before the window can appear; the
// program's first CUPS call is the printer discovery's, after the window is
// shown and off the GUI thread. The tests link libcups itself. The program
// links with --as-needed, so these definitions leave libcups out of its start.
#include <cups/cups.h>
#include <cups/ppd.h>
#include <dlfcn.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>

namespace {

// Loaded once, by whichever thread calls first; never unloaded. Without the
// library the program could not have started before: it cannot go on now.
void* Symbol(const char* name) {
  static void* const library = [] {
    void* handle = dlopen("libcups.so.2", RTLD_NOW | RTLD_GLOBAL);
    if (handle == nullptr) {
      std::fprintf(stderr, "kazenori: cannot load the CUPS library: %s\n", dlerror());
      std::abort();
    }
    return handle;
  }();
  void* symbol = dlsym(library, name);
  if (symbol == nullptr) {
    std::fprintf(stderr, "kazenori: the CUPS library has no %s\n", name);
    std::abort();
  }
  return symbol;
}

template <typename Function>
Function* Real(Function& /*declared*/, const char* name) {
  return reinterpret_cast<Function*>(Symbol(name));
}

}  // namespace

// Each looks its function up once (a thread-safe static).
#define KAZENORI_CUPS(name)                    \
  static auto* const real = Real(name, #name); \
  return real

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

extern "C" {

ipp_t* cupsDoRequest(http_t* http, ipp_t* request, const char* resource) {
  KAZENORI_CUPS(cupsDoRequest)(http, request, resource);
}
http_encryption_t cupsEncryption() {
  KAZENORI_CUPS(cupsEncryption)();
}
ipp_status_t cupsCancelJob2(http_t* http, const char* name, int job_id, int purge) {
  KAZENORI_CUPS(cupsCancelJob2)(http, name, job_id, purge);
}
int cupsCreateJob(http_t* http, const char* name, const char* title, int num_options,
                  cups_option_t* options) {
  KAZENORI_CUPS(cupsCreateJob)(http, name, title, num_options, options);
}
ipp_status_t cupsFinishDocument(http_t* http, const char* name) {
  KAZENORI_CUPS(cupsFinishDocument)(http, name);
}
http_status_t cupsGetPPD3(http_t* http, const char* name, time_t* modtime, char* buffer,
                          size_t bufsize) {
  KAZENORI_CUPS(cupsGetPPD3)(http, name, modtime, buffer, bufsize);
}
ipp_status_t cupsLastError() {
  KAZENORI_CUPS(cupsLastError)();
}
const char* cupsLastErrorString() {
  KAZENORI_CUPS(cupsLastErrorString)();
}
const char* cupsServer() {
  KAZENORI_CUPS(cupsServer)();
}
void cupsSetServer(const char* server) {
  KAZENORI_CUPS(cupsSetServer)(server);
}
http_status_t cupsStartDocument(http_t* http, const char* name, int job_id, const char* docname,
                                const char* format, int last_document) {
  KAZENORI_CUPS(cupsStartDocument)(http, name, job_id, docname, format, last_document);
}
http_status_t cupsWriteRequestData(http_t* http, const char* buffer, size_t length) {
  KAZENORI_CUPS(cupsWriteRequestData)(http, buffer, length);
}
http_uri_status_t httpAssembleURI(http_uri_coding_t encoding, char* uri, int urilen,
                                  const char* scheme, const char* username, const char* host,
                                  int port, const char* resource) {
  KAZENORI_CUPS(httpAssembleURI)(encoding, uri, urilen, scheme, username, host, port, resource);
}
// A variadic function cannot be handed on: the resource is formatted here,
// as libcups does itself, and the URI assembled from it.
http_uri_status_t httpAssembleURIf(http_uri_coding_t encoding, char* uri, int urilen,
                                   const char* scheme, const char* username, const char* host,
                                   int port, const char* resourcef, ...) {
  char resource[1024];
  va_list arguments;
  va_start(arguments, resourcef);
  const int length = std::vsnprintf(resource, sizeof resource, resourcef, arguments);
  va_end(arguments);
  if (length < 0 || static_cast<std::size_t>(length) >= sizeof resource) {
    if (uri != nullptr && urilen > 0) *uri = '\0';
    return HTTP_URI_STATUS_BAD_RESOURCE;
  }
  return httpAssembleURI(encoding, uri, urilen, scheme, username, host, port, resource);
}
void httpClose(http_t* http) {
  KAZENORI_CUPS(httpClose)(http);
}
http_t* httpConnect2(const char* host, int port, http_addrlist_t* addrlist, int family,
                     http_encryption_t encryption, int blocking, int msec, int* cancel) {
  KAZENORI_CUPS(httpConnect2)(host, port, addrlist, family, encryption, blocking, msec, cancel);
}
void httpSetTimeout(http_t* http, double timeout, http_timeout_cb_t cb, void* user_data) {
  KAZENORI_CUPS(httpSetTimeout)(http, timeout, cb, user_data);
}
ipp_attribute_t* ippAddString(ipp_t* ipp, ipp_tag_t group, ipp_tag_t value_tag, const char* name,
                              const char* language, const char* value) {
  KAZENORI_CUPS(ippAddString)(ipp, group, value_tag, name, language, value);
}
ipp_attribute_t* ippAddStrings(ipp_t* ipp, ipp_tag_t group, ipp_tag_t value_tag, const char* name,
                               int num_values, const char* language, const char* const* values) {
  KAZENORI_CUPS(ippAddStrings)(ipp, group, value_tag, name, num_values, language, values);
}
void ippDelete(ipp_t* ipp) {
  KAZENORI_CUPS(ippDelete)(ipp);
}
ipp_attribute_t* ippFindAttribute(ipp_t* ipp, const char* name, ipp_tag_t value_tag) {
  KAZENORI_CUPS(ippFindAttribute)(ipp, name, value_tag);
}
int ippGetBoolean(ipp_attribute_t* attr, int element) {
  KAZENORI_CUPS(ippGetBoolean)(attr, element);
}
int ippGetInteger(ipp_attribute_t* attr, int element) {
  KAZENORI_CUPS(ippGetInteger)(attr, element);
}
const char* ippGetString(ipp_attribute_t* attr, int element, const char** language) {
  KAZENORI_CUPS(ippGetString)(attr, element, language);
}
ipp_t* ippNewRequest(ipp_op_t op) {
  KAZENORI_CUPS(ippNewRequest)(op);
}
int ippPort() {
  KAZENORI_CUPS(ippPort)();
}
void ppdClose(ppd_file_t* ppd) {
  KAZENORI_CUPS(ppdClose)(ppd);
}
ppd_option_t* ppdFindOption(ppd_file_t* ppd, const char* keyword) {
  KAZENORI_CUPS(ppdFindOption)(ppd, keyword);
}
ppd_file_t* ppdOpenFile(const char* filename) {
  KAZENORI_CUPS(ppdOpenFile)(filename);
}

}  // extern "C"

#pragma GCC diagnostic pop
