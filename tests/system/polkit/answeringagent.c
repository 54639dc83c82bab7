/* A polkit authentication agent for tests, registered for one process. It
 * answers each authentication request in turn with the next response given
 * on its command line, and logs what happens, one line each, so a test can
 * count the prompts:
 *
 *   answeringagent PID LOGFILE RESPONSE...
 *     RESPONSE  password:TEXT   answer the PAM conversation with TEXT
 *               cancel          dismiss the dialog, as a user's Cancel does
 *   log lines   registered | request <action id> <identity> | dismissed |
 *               completed <1 authorised / 0 refused>
 *
 * When the responses run out, further requests are dismissed. */
#define POLKIT_AGENT_I_KNOW_API_IS_SUBJECT_TO_CHANGE
#include <polkitagent/polkitagent.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

typedef struct {
    PolkitAgentListener parent;
} AnsweringAgent;
typedef struct {
    PolkitAgentListenerClass parent_class;
} AnsweringAgentClass;

G_DEFINE_TYPE(AnsweringAgent, answering_agent, POLKIT_AGENT_TYPE_LISTENER)

static FILE *logFile;
static char **responses;
static int responseCount;
static int nextResponse;

static void logLine(const char *format, ...) G_GNUC_PRINTF(1, 2);
static void logLine(const char *format, ...)
{
    va_list args;
    va_start(args, format);
    vfprintf(logFile, format, args);
    va_end(args);
    fputc('\n', logFile);
    fflush(logFile);
}

typedef struct {
    GTask *task;
    char *password;
} Conversation;

static void onRequest(PolkitAgentSession *session, const char *prompt, gboolean echoOn, gpointer data)
{
    (void)prompt;
    (void)echoOn;
    polkit_agent_session_response(session, ((Conversation *)data)->password);
}

static void onCompleted(PolkitAgentSession *session, gboolean gained, gpointer data)
{
    Conversation *conversation = data;
    logLine("completed %d", gained ? 1 : 0);
    if (gained)
        g_task_return_boolean(conversation->task, TRUE);
    else
        g_task_return_new_error(conversation->task, POLKIT_ERROR, POLKIT_ERROR_FAILED, "Authentication failed");
    g_object_unref(conversation->task);
    g_free(conversation->password);
    g_free(conversation);
    g_object_unref(session);
}

static void initiate(PolkitAgentListener *listener, const gchar *actionId, const gchar *message,
                     const gchar *iconName, PolkitDetails *details, const gchar *cookie, GList *identities,
                     GCancellable *cancellable, GAsyncReadyCallback callback, gpointer userData)
{
    (void)message;
    (void)iconName;
    (void)details;
    GTask *task = g_task_new(listener, cancellable, callback, userData);
    PolkitIdentity *identity = identities ? identities->data : NULL;
    gchar *who = identity ? polkit_identity_to_string(identity) : g_strdup("none");
    logLine("request %s %s", actionId, who);
    g_free(who);

    const char *response = nextResponse < responseCount ? responses[nextResponse++] : "cancel";
    if (!identity || strncmp(response, "password:", 9) != 0) {
        logLine("dismissed");
        /* This error is what polkitd takes for a dismissed dialog. */
        g_task_return_new_error(task, POLKIT_ERROR, POLKIT_ERROR_CANCELLED, "Dismissed by the user");
        g_object_unref(task);
        return;
    }
    Conversation *conversation = g_new0(Conversation, 1);
    conversation->task = task;
    conversation->password = g_strdup(response + 9);
    PolkitAgentSession *session = polkit_agent_session_new(identity, cookie);
    g_signal_connect(session, "request", G_CALLBACK(onRequest), conversation);
    g_signal_connect(session, "completed", G_CALLBACK(onCompleted), conversation);
    polkit_agent_session_initiate(session);
}

static gboolean initiateFinish(PolkitAgentListener *listener, GAsyncResult *result, GError **error)
{
    (void)listener;
    return g_task_propagate_boolean(G_TASK(result), error);
}

static void answering_agent_init(AnsweringAgent *agent) { (void)agent; }

static void answering_agent_class_init(AnsweringAgentClass *klass)
{
    PolkitAgentListenerClass *listener = POLKIT_AGENT_LISTENER_CLASS(klass);
    listener->initiate_authentication = initiate;
    listener->initiate_authentication_finish = initiateFinish;
}

int main(int argc, char **argv)
{
    if (argc < 3) {
        fprintf(stderr, "usage: answeringagent PID LOGFILE [password:TEXT | cancel]...\n");
        return 2;
    }
    logFile = fopen(argv[2], "a");
    if (!logFile) {
        perror(argv[2]);
        return 1;
    }
    responses = argv + 3;
    responseCount = argc - 3;

    PolkitSubject *subject = polkit_unix_process_new_for_owner(atoi(argv[1]), 0, -1);
    PolkitAgentListener *listener = g_object_new(answering_agent_get_type(), NULL);
    GError *error = NULL;
    gpointer handle = polkit_agent_listener_register(listener, POLKIT_AGENT_REGISTER_FLAGS_NONE, subject,
                                                     "/org/veltrano/AnsweringAgent", NULL, &error);
    if (!handle) {
        fprintf(stderr, "answeringagent: cannot register: %s\n", error->message);
        return 1;
    }
    logLine("registered");
    g_main_loop_run(g_main_loop_new(NULL, FALSE));
    return 0;
}
