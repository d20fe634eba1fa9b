// The program's entry routine.
#pragma once

// Starts the toolkit, creates the globals, registers the exit hook, loads the
// window and runs it until the user closes it. Returns 0.
int appMain(int& argc, char** argv);
