/* Preloaded into the sanitizer test runs only. The OpenGL driver and the window
 * library unload parts of themselves at exit while their own data still points
 * at memory they allocated; once unloaded, LeakSanitizer can no longer see
 * those pointers and reports the memory as leaked from an unknown module,
 * which no suppression can name. Keeping every library loaded until the
 * process ends lets the leak check see the whole picture. */
int dlclose(void* handle)
{
    (void)handle;
    return 0;
}
