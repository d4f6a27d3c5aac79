#!/usr/bin/env bash
# Leaves dist/ModernStandbyDetectionTool/ with exactly what ships (the tool and its feedback
# library) and dist/ModernStandbyDetectionTool.zip of that folder. Usage: tools/dist.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
root=$(cd "$(dirname "$0")/.." && pwd)
out="$root/dist"
folder="$out/ModernStandbyDetectionTool"
rm -rf "$folder" "$out/ModernStandbyDetectionTool.zip"
mkdir -p "$folder"
cp "$build/app/ModernStandbyDetectionTool.exe" \
   "$build/feedback-service/TarselFeedbackInformation.dll" "$folder/"
(cd "$out" && zip -q -r ModernStandbyDetectionTool.zip ModernStandbyDetectionTool)
echo "dist: $folder and $out/ModernStandbyDetectionTool.zip"
