#!/bin/sh
# Starts the program in its own folder, where its images and seed score file lie.
folder=$(dirname "$(readlink -f "$0")")/../lib/zandel-programm
cd "$folder" || exit 1
exec ./zandel-programm "$@"
