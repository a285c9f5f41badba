// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
// The drill's rules and counts as `kavelo-check --rules` prints them ("name value" lines),
// handed over by web_test.sh in KAVELO_RULES: the tests play to the medal by the program's
// own numbers instead of writing them again.
const text = process.env.KAVELO_RULES ?? '';
export const rules = Object.fromEntries(text.trim().split('\n').filter(Boolean).map(line => {
  const [name, value] = line.split(' ');
  return [name, Number(value)];
}));
for (const name of ['points-per-answer', 'bonus', 'streak-for-bonus', 'medal-answers', 'questions'])
  if (!Number.isInteger(rules[name]))
    throw new Error(`KAVELO_RULES has no ${name}: ${JSON.stringify(text)}`);
