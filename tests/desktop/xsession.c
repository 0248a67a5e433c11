/* A session manager of the smallest kind (XSMP, as xsm or a desktop's
 * own), for one client at a time, driven by lines on standard input:
 *   checkpoint   save yourself, the session going on; then save complete
 *   cancel       save yourself for a logout; then the logout is cancelled
 *   logout       save yourself for a logout; then die
 * It prints SESSION_MANAGER=... once listening, "registered" when the
 * client has joined, then "saved", "cancelled" or "died" for each line once
 * the client has answered, and "closed" when the client leaves. */
#include <X11/ICE/ICElib.h>
#include <X11/SM/SMlib.h>
#include <poll.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

static SmsConn client;
static IceConn client_ice;
static int save_done;

static Status on_register(SmsConn conn, SmPointer data, char* previous_id) {
  (void)data;
  free(previous_id);
  SmsRegisterClientReply(conn, SmsGenerateClientID(conn));
  printf("registered\n");
  fflush(stdout);
  return 1;
}

static void on_interact_request(SmsConn conn, SmPointer data, int dialog_type) {
  (void)data;
  (void)dialog_type;
  SmsInteract(conn);
}

static void on_interact_done(SmsConn conn, SmPointer data, Bool cancel) {
  (void)conn;
  (void)data;
  (void)cancel;
}

static void on_save_request(SmsConn conn, SmPointer data, int type, Bool shutdown, int style,
                            Bool fast, Bool global) {
  (void)conn, (void)data, (void)type, (void)shutdown, (void)style, (void)fast, (void)global;
}

static void on_phase2_request(SmsConn conn, SmPointer data) {
  (void)data;
  SmsSaveYourselfPhase2(conn);
}

static void on_save_done(SmsConn conn, SmPointer data, Bool success) {
  (void)conn;
  (void)data;
  (void)success;
  save_done = 1;
}

static void on_close(SmsConn conn, SmPointer data, int count, char** reasons) {
  (void)data;
  SmFreeReasons(count, reasons);
  SmsCleanUp(conn);
}

static void on_set_properties(SmsConn conn, SmPointer data, int count, SmProp** props) {
  (void)conn;
  (void)data;
  for (int i = 0; i < count; i++) SmFreeProperty(props[i]);
  free(props);
}

static void on_delete_properties(SmsConn conn, SmPointer data, int count, char** names) {
  (void)conn;
  (void)data;
  for (int i = 0; i < count; i++) free(names[i]);
  free(names);
}

static void on_get_properties(SmsConn conn, SmPointer data) {
  (void)data;
  SmsReturnProperties(conn, 0, NULL);
}

static Status on_new_client(SmsConn conn, SmPointer data, unsigned long* mask, SmsCallbacks* cb,
                            char** failure) {
  (void)data;
  (void)failure;
  client = conn;
  client_ice = SmsGetIceConnection(conn);
  memset(cb, 0, sizeof *cb);
  cb->register_client.callback = on_register;
  cb->interact_request.callback = on_interact_request;
  cb->interact_done.callback = on_interact_done;
  cb->save_yourself_request.callback = on_save_request;
  cb->save_yourself_phase2_request.callback = on_phase2_request;
  cb->save_yourself_done.callback = on_save_done;
  cb->close_connection.callback = on_close;
  cb->set_properties.callback = on_set_properties;
  cb->delete_properties.callback = on_delete_properties;
  cb->get_properties.callback = on_get_properties;
  *mask = SmsRegisterClientProcMask | SmsInteractRequestProcMask | SmsInteractDoneProcMask |
          SmsSaveYourselfRequestProcMask | SmsSaveYourselfP2RequestProcMask |
          SmsSaveYourselfDoneProcMask | SmsCloseConnectionProcMask | SmsSetPropertiesProcMask |
          SmsDeletePropertiesProcMask | SmsGetPropertiesProcMask;
  return 1;
}

static Bool any_host(char* host) {
  (void)host;
  return True;
}

static int listen_count;
static IceListenObj* listeners;
/* Connections accepted, the client's among them once it has joined. */
static IceConn conns[8];
static int conn_count;

static void drop(int i) {
  if (conns[i] == client_ice) {
    client = NULL;
    client_ice = NULL;
    printf("closed\n");
    fflush(stdout);
  }
  IceCloseConnection(conns[i]);
  conns[i] = conns[--conn_count];
}

/* Handles what arrived at the listening sockets and on the connections,
 * waiting up to ms for it; stdin too when stdin_ready is given. */
static void serve(int ms, int* stdin_ready) {
  struct pollfd fds[32];
  int n = 0;
  for (int i = 0; i < listen_count && n < 16; i++) {
    fds[n].fd = IceGetListenConnectionNumber(listeners[i]);
    fds[n++].events = POLLIN;
  }
  const int first_conn = n;
  for (int i = 0; i < conn_count; i++) {
    fds[n].fd = IceConnectionNumber(conns[i]);
    fds[n++].events = POLLIN;
  }
  const int in = n;
  if (stdin_ready) {
    fds[n].fd = 0;
    fds[n++].events = POLLIN;
    *stdin_ready = 0;
  }
  if (poll(fds, n, ms) <= 0) return;
  for (int i = conn_count - 1; i >= 0; i--) {
    if (!(fds[first_conn + i].revents & (POLLIN | POLLHUP))) continue;
    const IceProcessMessagesStatus status = IceProcessMessages(conns[i], NULL, NULL);
    if (status != IceProcessMessagesSuccess ||
        IceConnectionStatus(conns[i]) == IceConnectRejected) {
      drop(i);
    }
  }
  for (int i = 0; i < listen_count; i++) {
    if (!(fds[i].revents & POLLIN) || conn_count == 8) continue;
    IceAcceptStatus status;
    IceConn conn = IceAcceptConnection(listeners[i], &status);
    if (conn) conns[conn_count++] = conn;
  }
  if (stdin_ready && (fds[in].revents & (POLLIN | POLLHUP))) *stdin_ready = 1;
}

/* Asks the client to save itself and waits for its answer. */
static int save_yourself(Bool shutdown) {
  if (!client) return 0;
  save_done = 0;
  SmsSaveYourself(client, SmSaveBoth, shutdown, SmInteractStyleAny, False);
  for (int i = 0; i < 200 && client && !save_done; i++) serve(50, NULL);
  return save_done;
}

int main(void) {
  char error[256];
  if (!SmsInitialize("vorn-test", "1.0", on_new_client, NULL, any_host, sizeof error, error) ||
      !IceListenForConnections(&listen_count, &listeners, sizeof error, error)) {
    fprintf(stderr, "xsession: %s\n", error);
    return 1;
  }
  for (int i = 0; i < listen_count; i++) IceSetHostBasedAuthProc(listeners[i], any_host);
  char* ids = IceComposeNetworkIdList(listen_count, listeners);
  printf("SESSION_MANAGER=%s\n", ids);
  fflush(stdout);
  free(ids);
  char line[64];
  for (;;) {
    int ready = 0;
    serve(100, &ready);
    if (!ready) continue;
    if (!fgets(line, sizeof line, stdin)) break;
    line[strcspn(line, "\n")] = 0;
    if (!strcmp(line, "checkpoint") && save_yourself(False)) {
      SmsSaveComplete(client);
      printf("saved\n");
    } else if (!strcmp(line, "cancel") && save_yourself(True)) {
      SmsShutdownCancelled(client);
      printf("cancelled\n");
    } else if (!strcmp(line, "logout") && save_yourself(True)) {
      SmsDie(client);
      printf("died\n");
    } else {
      printf("failed: %s\n", line);
    }
    fflush(stdout);
  }
  IceFreeListenObjs(listen_count, listeners);
  return 0;
}
